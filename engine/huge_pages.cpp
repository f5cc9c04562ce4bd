#include "engine/huge_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace lotto {

void prefer_huge_pages([[maybe_unused]] void* p, [[maybe_unused]] std::size_t bytes) noexcept {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const auto first = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t begin = (first + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t end = (first + bytes) & ~(HugePage - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

} // namespace lotto
