// The exact odds of a ticket set: over every possible draw of the game (or every draw that passes
// the filters), how often the set's best ticket matches k numbers, and how many tickets match k in
// all. Counted by walking the draws, never estimated. These are the odds of a fair draw: no ticket
// set changes the chance of any one ticket.
#pragma once

#include "engine/measure.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lotto {

struct Odds {
    uint64_t draws = 0;             // draws walked
    uint64_t tickets = 0;           // tickets of the set, repeats included
    std::array<uint64_t, 8> best{}; // draws whose best ticket matches exactly k numbers
    // Over all draws walked, the (ticket, draw) pairs in which the ticket matches exactly k.
    std::array<uint64_t, 8> matches{};

    // best[k] / draws; the share of draws whose best ticket matches k or more; matches[k] / draws,
    // the expected number of tickets matching exactly k in one draw. 0 without draws.
    double exactly(int k) const;
    double at_least(int k) const;
    double expected_tickets(int k) const;
};

// The odds over all C(highest, 7) draws of 1..highest (7..64), counted on up to threads threads
// (0 = 1). Every ticket holds seven ascending numbers of 1..highest.
Odds count_odds(const std::vector<Combination>& tickets, uint32_t highest, unsigned threads);

// The odds over the count draws of store (7-byte records of ascending numbers, in lexicographic
// order, as the run stores them), on up to threads threads.
Odds count_odds(const std::vector<Combination>& tickets, const uint8_t* store, uint64_t count,
                unsigned threads);

} // namespace lotto
