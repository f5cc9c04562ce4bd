#include "web/run_queue.h"

#include <chrono>

namespace lotto::web {

RunQueue::Entry RunQueue::enter(bool store, const std::atomic<bool>& cancel) {
    const std::size_t most = store ? MostWithStore : MostWithout;
    std::unique_lock lock(mutex_);
    if (running_[store] < most) {
        ++running_[store];
        return Entry::Entered;
    }
    if (waiting_ >= MostWaiting) return Entry::Full;
    ++waiting_;
    while (running_[store] >= most) {
        if (cancel.load()) {
            --waiting_;
            return Entry::Cancelled;
        }
        freed_.wait_for(lock, std::chrono::milliseconds(50));
    }
    --waiting_;
    ++running_[store];
    return Entry::Entered;
}

void RunQueue::leave(bool store) {
    {
        std::lock_guard lock(mutex_);
        --running_[store];
    }
    freed_.notify_all();
}

} // namespace lotto::web
