// How hard a covering search tries, from which seed, and whom it tells of its progress.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace lotto {

struct SearchOptions {
    uint64_t seed = 0;     // the same seed and effort give the same tickets on every platform
    uint32_t effort = 1;   // 1 = the default effort; the work grows in proportion
    double time_limit = 0; // wall-clock seconds the search may take; 0 = no limit
    uint64_t work = 0;     // the wheel search's work units in place of the effort's; 0 = none
    std::function<void(std::size_t best)>
        progress; // the best size so far, when it changes; may be empty
    // the threads a reduction shares its search among (and a split construction the searches of
    // its parts); 0 = one per core
    uint32_t threads = 0;
    const std::atomic<bool>* cancel =
        nullptr; // becomes true: the search stops soon, as at its time limit
};

} // namespace lotto
