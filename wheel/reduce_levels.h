// The levels of the reduction greedy's queue: candidates wait on the level of their last counted
// gain, a level per gain below 128 and above that a level per 1/64 of the gain or less.
#pragma once

#include "engine/huge_pages.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace lotto::reduce_detail {

// The level of a gain: the gain itself below 128, above that its top seven bits after its shift;
// levels rise with the gain.
inline uint32_t level_of(uint32_t gain) {
    if (gain < 128) return gain;
    const uint32_t shift = static_cast<uint32_t>(std::bit_width(gain)) - 7;
    return (shift << 6) + (gain >> shift);
}

// The highest gain on the level.
inline uint32_t level_top(uint32_t level) {
    if (level < 128) return level;
    const uint32_t shift = (level >> 6) - 1;
    return static_cast<uint32_t>(((uint64_t{level - (shift << 6)} + 1) << shift) - 1);
}

// Fixed blocks of items, handed out and taken back: the blocks a level gives back serve the next
// that grows, with no copies as a level grows and no fresh memory while enough are given back.
// Fresh blocks are cut from slabs, the first one block long, the others four huge pages.
template <class T, std::size_t Shift> class BlockPool {
  public:
    static constexpr std::size_t Size = std::size_t{1} << Shift;
    T* get() {
        if (!free_.empty()) {
            T* b = free_.back();
            free_.pop_back();
            return b;
        }
        if (cut_ == slab_blocks_) {
            constexpr std::size_t Slab = 4 * HugePage, Block = Size * sizeof(T);
            slab_blocks_ = owned_.empty() ? 1 : (Slab + Block - 1) / Block;
            owned_.push_back(huge_array<T>(slab_blocks_ * Size));
            cut_ = 0;
        }
        return owned_.back().get() + Size * cut_++;
    }
    void put(T* block) { free_.push_back(block); }

  private:
    std::vector<std::unique_ptr<T, HugeDelete<T>>> owned_;
    std::vector<T*> free_;
    std::size_t slab_blocks_ = 0, cut_ = 0;
};

// A sequence of items in blocks from a pool.
template <class T, std::size_t Shift> class BlockList {
  public:
    using Pool = BlockPool<T, Shift>;
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T& operator[](std::size_t j) { return blocks_[j >> Shift][j & (Pool::Size - 1)]; }
    void push_back(const T& item, Pool& pool) {
        if (size_ == blocks_.size() * Pool::Size) blocks_.push_back(pool.get());
        (*this)[size_++] = item;
    }
    // Keeps the first n items, giving back the blocks past them.
    void resize_down(std::size_t n, Pool& pool) {
        size_ = n;
        while (blocks_.size() * Pool::Size >= n + Pool::Size) {
            pool.put(blocks_.back());
            blocks_.pop_back();
        }
    }

  private:
    std::vector<T*> blocks_;
    std::size_t size_ = 0;
};

} // namespace lotto::reduce_detail
