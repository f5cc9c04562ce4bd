#include "engine/chunks.h"

#include "engine/prefix_walk.h"
#include "engine/run.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

namespace lotto {

unsigned default_threads() { return std::max(1u, std::thread::hardware_concurrency()); }

std::vector<Chunk> chunks_of(uint32_t highest) { return chunks_of(highest, UINT32_MAX); }

std::vector<Chunk> chunks_of(uint32_t highest, uint32_t most) {
    std::vector<Chunk> chunks;
    uint32_t rank = 0;
    for (uint32_t a = 1; a + 6 <= highest; ++a)
        for (uint32_t b = a + 1; b + 5 <= highest; ++b)
            for (uint32_t c = b + 1; c + 4 <= highest;) {
                Chunk k{a, b, rank, 0, c, c};
                // The combinations starting with a, b, c number C(highest - c, 4).
                const auto with_third = [&](uint32_t t) { return binomial(highest - t, 4); };
                k.size = static_cast<uint32_t>(with_third(c));
                while (k.third_last + 5 <= highest && k.size + with_third(k.third_last + 1) <= most)
                    k.size += static_cast<uint32_t>(with_third(++k.third_last));
                chunks.push_back(k);
                rank += k.size;
                c = k.third_last + 1;
            }
    return chunks;
}

void for_each_chunk(std::size_t count, unsigned threads,
                    const std::function<void(std::size_t)>& work) {
    std::atomic<std::size_t> next{0};
    const auto take_chunks = [&] {
        for (std::size_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < count;) work(i);
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(threads, 1u), count) - (count > 0);
    std::vector<std::jthread> pool;
    pool.reserve(helpers);
    try {
        for (std::size_t t = 0; t < helpers; ++t) pool.emplace_back(take_chunks);
    } catch (const std::system_error&) {
        // The threads started so far and this one do the work.
    }
    take_chunks();
}

} // namespace lotto
