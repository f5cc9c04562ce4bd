// The enumeration cut into chunks for several threads: a chunk holds every combination that starts
// with one pair c1 < c2 (or with it and a run of values of c3), and the chunks follow one another
// in lexicographic order. Internal to the engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace lotto {

struct Chunk {
    uint32_t first = 0;       // c1
    uint32_t second = 0;      // c2
    uint32_t rank = 0;        // lexicographic index (from 0) of the chunk's first combination
    uint32_t size = 0;        // how many combinations the chunk holds
    uint32_t third_first = 0; // c3 runs from third_first ..
    uint32_t third_last = 0;  // .. to third_last
};

// Every chunk of the combinations of 7 out of 1..highest (7..64), in lexicographic order.
std::vector<Chunk> chunks_of(uint32_t highest);

// The same chunks cut between values of c3 into pieces of at most most combinations, or of one
// value of c3 where that alone holds more.
std::vector<Chunk> chunks_of(uint32_t highest, uint32_t most);

// Calls work(i) once for every i in 0..count-1 on up to threads threads, the calling thread being
// one of them; every thread takes the lowest chunk not yet taken whenever it is free. Returns when
// every call has returned. Threads the system refuses to start are done without.
void for_each_chunk(std::size_t count, unsigned threads,
                    const std::function<void(std::size_t)>& work);

} // namespace lotto
