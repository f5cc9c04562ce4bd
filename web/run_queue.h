// Bounds the runs under way at once, so that memory stays bounded: at most one run that holds a
// result store (up to 4.3 GB for 7/64) and a few without one; later runs wait in line.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace lotto::web {

class RunQueue {
  public:
    static constexpr std::size_t MostWithStore = 1;
    static constexpr std::size_t MostWithout = 4;
    static constexpr std::size_t MostWaiting = 64;

    enum class Entry { Entered, Cancelled, Full };

    // Waits for a place among the runs of its kind; gives up once *cancel becomes true, or at once
    // when MostWaiting runs already wait.
    Entry enter(bool store, const std::atomic<bool>& cancel);
    void leave(bool store);

  private:
    std::mutex mutex_;
    std::condition_variable freed_;
    std::size_t running_[2] = {0, 0};
    std::size_t waiting_ = 0;
};

// A place taken in the queue, given back when it goes.
class QueuePlace {
  public:
    QueuePlace(RunQueue& queue, bool store, const std::atomic<bool>& cancel)
        : queue_(queue), store_(store), entry_(queue.enter(store, cancel)) {}
    ~QueuePlace() {
        if (entry_ == RunQueue::Entry::Entered) queue_.leave(store_);
    }
    QueuePlace(const QueuePlace&) = delete;
    QueuePlace& operator=(const QueuePlace&) = delete;
    RunQueue::Entry entry() const { return entry_; }

  private:
    RunQueue& queue_;
    const bool store_;
    const RunQueue::Entry entry_;
};

} // namespace lotto::web
