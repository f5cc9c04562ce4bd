// Reduction of a stored result: a small set of tickets such that every stored combination shares
// at least t numbers with one of them.
#pragma once

#include "engine/measure.h" // lotto::Combination = std::array<uint8_t, 7>, sorted
#include "wheel/search_options.h"

#include <cstdint>
#include <vector>

namespace lotto {

enum class TicketsFrom { Stored, Any };

struct Reduction {
    std::vector<Combination> tickets; // sorted lexicographically
    bool stopped_early = false;       // the time limit ended the search
    // With a cap on the index: how many stored combinations were left to index beyond it (then
    // no tickets are given), else 0.
    uint64_t refused = 0;
};

// A small set of tickets such that every one of the count stored combinations (7-byte records
// from store, ascending numbers in 1..highest) shares at least t numbers (2..6) with some ticket;
// tickets taken from the stored combinations (Stored) or from any combination of 1..highest (Any).
// count == 0 gives no ticket. Where the search would index more than most_indexed t-subsets of
// stored combinations it gives none and sets refused to the combinations it would index.
Reduction reduce_stored(const uint8_t* store, uint32_t count, uint32_t highest, int t,
                        TicketsFrom from, const SearchOptions& o,
                        uint64_t most_indexed = UINT64_MAX);

// A reduction the player shapes: tickets already played, kept and counted as covering (a repair),
// and a budget of tickets added.
struct ReduceShape {
    std::vector<Combination> kept;
    uint32_t budget = 0; // most tickets added; 0 = as many as cover every stored combination
};

// The tickets (in tickets, sorted) added to shape.kept so that every stored combination is covered
// as reduce_stored covers them, with as few as found; with a budget that falls short, at most
// budget tickets covering as many stored combinations as the greedy finds (each time the ticket
// covering the most still uncovered). Without kept tickets and where the budget allows,
// reduce_stored's tickets. The kept tickets may be any combinations of 1..highest.
Reduction reduce_shaped(const uint8_t* store, uint32_t count, uint32_t highest, int t,
                        TicketsFrom from, const ReduceShape& shape, const SearchOptions& o);

// Whether reduce_stored starts a result of count combinations of 1..highest from the whole game's
// construction (a million or more holding half the game or more, t 2..4), indexing only what that
// leaves uncovered when the whole result would be more than it may index.
bool reduce_starts_from_construction(uint32_t count, uint32_t highest, int t);

// About the most memory (bytes) reduce_stored takes for count stored combinations, most of it an
// index of their t-subsets.
uint64_t reduce_stored_bytes(uint32_t count, uint32_t highest, int t);

} // namespace lotto
