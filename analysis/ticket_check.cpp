#include "analysis/ticket_check.h"

#include "analysis/chance.h"
#include "engine/mask.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace lotto {

namespace {

Mask mask_of(const Combination& c) {
    Mask m = 0;
    for (uint8_t n : c) m |= NumberBit[n];
    return m;
}

} // namespace

TicketCheck check_tickets(const std::vector<Ticket>& tickets, const std::vector<Draw>& draws,
                          uint32_t highest) {
    TicketCheck c;
    c.draw_count = static_cast<uint32_t>(draws.size());
    c.highest = highest;
    std::vector<Mask> masks;
    masks.reserve(tickets.size());
    for (const Ticket& t : tickets) {
        c.tickets.push_back({t, {}, {}});
        masks.push_back(mask_of(t.numbers));
    }
    for (const Draw& d : draws) {
        const Mask drawn = mask_of(d.numbers);
        Mask bonus = d.bonus ? NumberBit[d.bonus] : 0;
        for (uint8_t b : d.more_bonus) bonus |= b ? NumberBit[b] : 0;
        DrawBest best{d, 0, 0, false};
        for (std::size_t i = 0; i < masks.size(); ++i) {
            const auto hits = static_cast<uint32_t>(std::popcount(masks[i] & drawn));
            const bool with_bonus = (masks[i] & bonus) != 0;
            ++c.tickets[i].hits[hits];
            c.tickets[i].bonus_hits[hits] += with_bonus;
            if (i == 0 || hits > best.hits || (hits == best.hits && with_bonus && !best.bonus))
                best = {d, static_cast<uint32_t>(i), hits, with_bonus};
        }
        if (!masks.empty()) c.draws.push_back(best), ++c.best[best.hits];
        c.bonus_draw_count += d.bonus != 0;
    }
    for (const TicketHits& t : c.tickets)
        for (std::size_t k = 0; k < 8; ++k) c.observed[k] += t.hits[k];
    const double pairs = double(tickets.size()) * double(draws.size());
    double p3 = 0;
    for (uint32_t k = 0; k < 8; ++k) {
        c.expected[k] = pairs * hit_probability(k, highest);
        if (k >= 3) {
            c.three_or_more += c.observed[k];
            p3 += hit_probability(k, highest);
        }
    }
    c.expected_three_or_more = pairs * p3;
    for (uint32_t k = 0; k < 8; ++k)
        if (c.observed[k] != 0) c.most_hits = k;
    double as_many = 0; // the chance of one pair hitting most_hits or more
    for (uint32_t k = c.most_hits; k < 8; ++k) as_many += hit_probability(k, highest);
    if (pairs > 0 && as_many < 1) c.chance_of_most_hits = -std::expm1(pairs * std::log1p(-as_many));
    c.p_value = binomial_p(uint64_t(tickets.size()) * draws.size(), c.three_or_more, p3);
    // Tickets in the order of their numbers, equal ones in file order: each after the first of its
    // numbers repeats that one.
    std::vector<std::pair<Mask, uint32_t>> order(tickets.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = {masks[i], i};
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1, first = 0; i < order.size(); ++i) {
        if (order[i].first != order[first].first)
            first = i;
        else
            c.repeats.push_back({tickets[order[i].second].line, tickets[order[first].second].line});
    }
    std::sort(c.repeats.begin(), c.repeats.end(),
              [](const TicketRepeat& x, const TicketRepeat& y) { return x.line < y.line; });
    c.repeated = static_cast<uint32_t>(c.repeats.size());
    const auto distinct = static_cast<double>(tickets.size() - c.repeats.size());
    // P(best <= k) = F(k)^K for K independent tickets, F the chance of k hits or fewer.
    double at_most = 0, best_below = 0;
    for (uint32_t k = 0; k < 8; ++k) {
        const double p = hit_probability(k, highest);
        c.ticket_expected[k] = draws.size() * p;
        if (highest > 7)
            c.ticket_bonus_expected[k] = c.bonus_draw_count * p * (7.0 - k) / (highest - 7);
        at_most = k == 7 ? 1 : std::min(1.0, at_most + p);
        const double best_at_most = distinct > 0 ? std::pow(at_most, distinct) : 1;
        c.best_expected[k] = draws.size() * (best_at_most - best_below);
        best_below = best_at_most;
    }
    if (distinct == 0) c.best_expected = {};
    return c;
}

} // namespace lotto
