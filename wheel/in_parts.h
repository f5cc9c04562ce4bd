// Work shared among threads in even parts, each on a thread of its own, and the threads a search
// uses.
#pragma once

#include "wheel/search_options.h"

#include <algorithm>
#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace lotto::reduce_detail {

// The threads a search uses: the options' count, or one per core (1 to 16).
inline std::size_t threads_of(const SearchOptions& o) {
    return o.threads != 0 ? o.threads : std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
}

// Calls f(lo, hi, k) for the k-th of parts even shares of 0..n, on a thread each (the first on
// the calling thread); where the system gives no thread, its share runs here after the others.
// What a share throws (running out of memory) is thrown here once all have ended.
template <class F> void in_parts(std::size_t parts, std::size_t n, F&& f) {
    std::vector<std::exception_ptr> failed(parts);
    const auto run = [&](std::size_t k) {
        try {
            f(n * k / parts, n * (k + 1) / parts, k);
        } catch (...) {
            failed[k] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> helpers;
        helpers.reserve(parts);
        std::vector<std::size_t> here;
        for (std::size_t k = 1; k < parts; ++k) {
            try {
                helpers.emplace_back(run, k);
            } catch (const std::system_error&) {
                here.push_back(k);
            }
        }
        run(0);
        for (std::size_t k : here) run(k);
    }
    for (const std::exception_ptr& e : failed)
        if (e) std::rethrow_exception(e);
}

} // namespace lotto::reduce_detail
