// Wheels a player shapes: at most B tickets covering as many cases as can be found (a budget),
// key numbers in every ticket, tickets that all pass the filters, and the repair of a ticket set
// already played. One search serves them all: the M-subsets of the wheel's numbers are the cases,
// a ticket is the keys and 7 - k of the wheel's numbers, and a case is covered by a ticket that
// holds T of its numbers.
#pragma once

#include "engine/measure.h"
#include "engine/settings.h"
#include "wheel/guarantee.h"
#include "wheel/search_options.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lotto {

struct WheelRequest {
    std::vector<uint8_t> numbers;      // the wheel's numbers, distinct, 1..highest
    std::vector<uint8_t> keys;         // in every ticket, none among numbers; at most five
    Guarantee guarantee;               // over numbers: T <= 7 - keys, M <= count of numbers
    uint32_t budget = 0;               // most tickets added; 0 = as many as the guarantee needs
    std::vector<Combination> kept;     // tickets kept as they are, counted as covering (a repair)
    const Settings* filters = nullptr; // when given, every added ticket passes them
    uint32_t highest = 39;
};

struct ShapedWheel {
    std::vector<Combination> added; // the tickets the search adds, sorted
    uint64_t cases = 0;             // M-subsets of the wheel's numbers
    uint64_t covered = 0;           // of them, covered by the kept and added tickets
    // With filters: M-subsets no passing ticket covers (none when the guarantee can be had), and
    // the first of them.
    uint64_t uncoverable = 0;
    std::vector<uint8_t> first_uncoverable;
    bool stopped_early = false; // the time limit ended the search
};

// "" when the request is one the search takes, else what is wrong (keys among the numbers,
// repeated, outside 1..highest or more than five; T above 7 - keys; M above the numbers; a case
// count or ticket count beyond what the search can hold).
std::string check_wheel_shape(const WheelRequest& r);

// Tickets for a request check_wheel_shape accepts: the greedy's tickets (each time the ticket
// covering the most cases still uncovered), improved by simulated annealing. With a budget it
// covers as many cases with at most budget tickets as it finds; where the budget allows the whole
// guarantee, or without a budget, it looks for as few tickets as it can find that give it (all the
// coverable cases, with filters). The same request, seed and effort give the same tickets.
ShapedWheel find_shaped_wheel(const WheelRequest& r, const SearchOptions& o);

// The reference: the plain greedy alone, each time adding the ticket that covers the most cases
// still uncovered (ties to the first in lexicographic order), until budget tickets are added or
// no ticket covers another case.
ShapedWheel greedy_shaped_wheel(const WheelRequest& r);

} // namespace lotto
