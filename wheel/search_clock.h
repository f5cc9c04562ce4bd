// The work a covering search has done, its budget and the wall-clock limit that may cut it short.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

namespace lotto {

class SearchClock {
  public:
    // A search of at most budget work units and time_limit seconds (0 = no limit), cut short as by
    // the time limit once *cancel (when given) becomes true.
    SearchClock(uint64_t budget, double time_limit, const std::atomic<bool>* cancel = nullptr)
        : budget_(budget), time_limit_(time_limit), cancel_(cancel),
          start_(std::chrono::steady_clock::now()) {}

    uint64_t work = 0; // the work units spent so far

    uint64_t budget() const { return budget_; }

    // Adds more work units to the budget.
    void extend(uint64_t more) { budget_ += more; }

    // Whether the time limit has passed or the search was cancelled; looks at the clock and the
    // flag once every 2^22 work units.
    bool out_of_time() {
        if (time_limit_ <= 0 && cancel_ == nullptr) return false;
        if (work < next_look_) return stopped_early_;
        next_look_ = work + (uint64_t{1} << 22);
        if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) stopped_early_ = true;
        if (time_limit_ > 0) {
            const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start_;
            if (spent.count() >= time_limit_) stopped_early_ = true;
        }
        return stopped_early_;
    }

    // Whether the time limit has cut the search.
    bool stopped_early() const { return stopped_early_; }

  private:
    uint64_t budget_;
    const double time_limit_;
    const std::atomic<bool>* const cancel_;
    const std::chrono::steady_clock::time_point start_;
    uint64_t next_look_ = 0;
    bool stopped_early_ = false;
};

} // namespace lotto
