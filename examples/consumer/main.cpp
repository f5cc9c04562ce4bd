// Counts the combinations that hold the lucky number 5 and prints the first of them.
#include <lotto739/lotto739.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

int main() {
    lotto::Settings settings;
    lotto::init_defaults(settings);
    lotto::turn_filter_on(settings, 7); // filter 7, the lucky number
    lotto::set_parameter(settings, 7, 5);

    const lotto::ResultStore store = lotto::allocate_store();
    if (!store) {
        std::fputs("consumer: not enough memory for the result store\n", stderr);
        return 1;
    }
    const uint32_t count = lotto::run(settings, lotto::HighestNumber, store.get());
    std::printf("%u combinations\n", count);
    if (count > 0) {
        const uint8_t* first = lotto::record(store.get(), 0);
        for (std::size_t i = 0; i < lotto::RecordBytes; ++i)
            std::printf(" %02u", unsigned{first[i]});
        std::printf("\n");
    }
}
