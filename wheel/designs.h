// Fixed covering designs and the split constructions built from them: a set of 7-number blocks
// over points 0..v-1 such that every t-subset of the points lies in some block.
#pragma once

#include "engine/measure.h"

#include <cstdint>
#include <vector>

namespace lotto {

using Block = std::array<uint8_t, 7>; // seven ascending points

// The 13 translates modulo 13 of the base block {0, 1, 2, 4, 5, 6, 8}: a C(13,7,3) covering.
std::vector<Block> covering_13_7_3();

// The 253 supports of the weight-7 words of the binary Golay code of length 23 (generator
// polynomial x^11+x^10+x^6+x^5+x^4+x^2+1): the Steiner system S(4,7,23), each 4-subset of the 23
// points in exactly one block.
std::vector<Block> steiner_4_7_23();

// The 759 octads of the extended binary Golay code of length 24, as masks of points 0..23: the
// Steiner system S(5,8,24), each 5-subset of the 24 points in exactly one octad. They are the
// blocks of steiner_4_7_23 with point 23 added and the supports of the weight-8 words of the
// code of length 23.
std::vector<uint32_t> steiner_5_8_24();

// A 78-block C(16,7,4) covering found by simulated annealing (the best known has 76).
std::vector<Block> covering_16_7_4();

// The single block of a part of at most seven numbers: all of them.
inline constexpr Block WholePart = {0, 1, 2, 3, 4, 5, 6};

// Appends to tickets (number masks, bit n - 1 for number n) the blocks of a design on v points
// laid on the part first..first+size-1 of the numbers (size <= v): points beyond the part are
// dropped, blocks left with fewer than t points go, and the rest are filled up to seven numbers
// with the smallest numbers of 1..highest they lack.
void lay_part(const std::vector<Block>& design, uint32_t first, uint32_t size, int t,
              uint32_t highest, std::vector<uint64_t>& tickets);

// The tickets of the masks, sorted, each once.
std::vector<Combination> tickets_of(const std::vector<uint64_t>& masks);

// The numbers of a mask of seven (bit n - 1 standing for number n), ascending.
Combination numbers_of_mask(uint64_t mask);

// Tickets of 1..highest meeting every combination of 1..highest in at least t numbers, built by
// splitting the numbers into parts so that any seven of them put enough into one part, each part
// covered by a design: t = 2 up to 6 parts of at most 7 numbers (highest <= 42), t = 3 three parts
// of at most 13 numbers with C(13,7,3) (highest <= 39), t = 4 a part of at most 16 numbers with
// C(16,7,4) and one of 23 with S(4,7,23) (highest <= 39). Sorted; empty when none is known.
std::vector<Combination> split_construction(uint32_t highest, int t);

} // namespace lotto
