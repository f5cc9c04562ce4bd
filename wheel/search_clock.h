// The work a covering search has done, its budget and the wall-clock limit that may cut it short.
#pragma once

#include <chrono>
#include <cstdint>

namespace lotto {

class SearchClock {
  public:
    // A search of at most budget work units and time_limit seconds (0 = no limit).
    SearchClock(uint64_t budget, double time_limit)
        : budget_(budget), time_limit_(time_limit), start_(std::chrono::steady_clock::now()) {}

    uint64_t work = 0; // the work units spent so far

    uint64_t budget() const { return budget_; }

    // Whether the time limit has passed; looks at the clock once every 2^22 work units.
    bool out_of_time() {
        if (time_limit_ <= 0) return false;
        if (work < next_look_) return stopped_early_;
        next_look_ = work + (uint64_t{1} << 22);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start_;
        if (spent.count() >= time_limit_) stopped_early_ = true;
        return stopped_early_;
    }

    // Whether the time limit has cut the search.
    bool stopped_early() const { return stopped_early_; }

  private:
    const uint64_t budget_;
    const double time_limit_;
    const std::chrono::steady_clock::time_point start_;
    uint64_t next_look_ = 0;
    bool stopped_early_ = false;
};

} // namespace lotto
