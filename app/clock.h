// Elapsed times for the reports, from a monotonic clock so that no time is ever negative.
#pragma once

#include <chrono>

namespace lotto {

class Stopwatch {
  public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    // Seconds since construction.
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

  private:
    std::chrono::steady_clock::time_point start_;
};

} // namespace lotto
