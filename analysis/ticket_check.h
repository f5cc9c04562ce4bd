// Checking tickets against past draws: how many numbers of each ticket every draw held, beside
// what chance alone gives (the hypergeometric distribution of the hits of one ticket).
#pragma once

#include "analysis/history.h"
#include "analysis/tickets.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lotto {

struct TicketHits {
    Ticket ticket;
    std::array<uint32_t, 8> hits{};       // draws in which it matched exactly 0..7 numbers
    std::array<uint32_t, 8> bonus_hits{}; // of those, the draws whose bonus number it holds too
};

struct DrawBest {
    Draw draw;
    uint32_t ticket = 0; // index of the first ticket with the most hits
    uint32_t hits = 0;
    bool bonus = false; // that ticket holds the draw's bonus number
};

struct TicketCheck {
    uint32_t draw_count = 0;
    uint32_t highest = 39;
    std::vector<TicketHits> tickets;    // in file order
    std::vector<DrawBest> draws;        // in the order given
    std::array<uint64_t, 8> observed{}; // ticket-draw pairs with exactly 0..7 hits
    std::array<double, 8> expected{};   // the same by chance: pairs * hit_probability
    uint64_t three_or_more = 0;         // pairs with 3 or more hits
    double expected_three_or_more = 0;
    // Two-sided binomial p-value of three_or_more, each pair a trial. Exact for one ticket; with
    // several the pairs of one draw are not independent, and it is a guide only. It holds for
    // tickets fixed before the draws, not for tickets chosen after looking at them.
    double p_value = 1;
    // The most hits of any ticket-draw, and the chance of at least one ticket-draw with as many or
    // more among these by chance alone, the pairs taken as independent (a guide with several
    // tickets); 1 without any pair.
    uint32_t most_hits = 0;
    double chance_of_most_hits = 1;
    uint32_t repeated = 0;             // tickets holding the same numbers as an earlier ticket
    std::vector<TicketRepeat> repeats; // those tickets, in file order
    uint32_t bonus_draw_count = 0;     // draws with a bonus number
    // By chance alone for one ticket over these draws: the draws in which it hits exactly 0..7,
    // and of those the draws whose bonus number it holds too.
    std::array<double, 8> ticket_expected{};
    std::array<double, 8> ticket_bonus_expected{};
    std::array<uint32_t, 8> best{}; // draws whose best ticket hit exactly 0..7
    // The same by chance alone: the best of the distinct tickets, their hits taken as independent
    // (exact for one ticket; tickets sharing numbers move together, so a guide for more).
    std::array<double, 8> best_expected{};
};

// The hits of every ticket in every draw of a game of 7 out of 1..highest.
TicketCheck check_tickets(const std::vector<Ticket>& tickets, const std::vector<Draw>& draws,
                          uint32_t highest = 39);

} // namespace lotto
