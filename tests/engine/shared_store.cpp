#include "shared_store.h"

#include <cstdio>
#include <cstdlib>

namespace lotto::testing {

uint8_t* shared_store() {
    static const ResultStore store = [] {
        ResultStore s = allocate_store();
        if (!s) {
            std::fputs("engine_tests: no memory for the result store\n", stderr);
            std::abort();
        }
        return s;
    }();
    return store.get();
}

Settings settings_with(std::initializer_list<FilterValue> on) {
    Settings s;
    init_defaults(s);
    for (const FilterValue& f : on) {
        turn_filter_on(s, f.filter);
        set_parameter(s, f.filter, f.value);
    }
    return s;
}

} // namespace lotto::testing
