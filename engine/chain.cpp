#include "engine/chain.h"

#include <cassert>

namespace lotto {

// Every filter family lists the routines it brings; a new family adds its list here.
std::span<const RoutineLink> amount_links();
std::span<const RoutineLink> position_links();
std::span<const RoutineLink> group_links();
std::span<const RoutineLink> difference_links();
std::span<const RoutineLink> range_links();
std::span<const RoutineLink> residue_links();
std::span<const RoutineLink> edge_parity_links();
std::span<const RoutineLink> chosen_array_links();

namespace {

using Family = std::span<const RoutineLink> (*)();

constexpr Family Families[] = {
    amount_links, position_links, group_links,       difference_links,
    range_links,  residue_links,  edge_parity_links, chosen_array_links,
};

constexpr int LastPairedFilter = 18;

// The routines of every filter, looked up by their first filter.
struct Catalogue {
    std::array<const RoutineLink*, FilterCount + 1> single{};
    std::array<const RoutineLink*, FilterCount + 1> combined{};
};

Catalogue gather() {
    Catalogue c;
    for (Family family : Families)
        for (const RoutineLink& link : family()) {
            assert(link.first >= 1 && link.last <= FilterCount && link.routine);
            auto& slot = link.first == link.last ? c.single[link.first] : c.combined[link.first];
            assert(!slot && "two routines for one filter");
            slot = &link;
        }
    return c;
}

void append(Chain& chain, const RoutineLink* link, bool popcnt) {
    assert(link && "a filter without a routine");
    chain.routines[chain.length] =
        popcnt && link->popcnt_routine ? link->popcnt_routine : link->routine;
    chain.entries[chain.length] = {link->first, link->last};
    ++chain.length;
}

} // namespace

Chain build_chain(Mask active, bool popcnt) {
    const Catalogue catalogue = gather();
    Chain chain;
    for (int first = 1; first < LastPairedFilter; first += 2) {
        const bool first_on = active & NumberBit[first];
        const bool second_on = active & NumberBit[first + 1];
        if (first_on && second_on) {
            append(chain, catalogue.combined[first], popcnt);
            continue;
        }
        if (first_on) append(chain, catalogue.single[first], popcnt);
        if (second_on) append(chain, catalogue.single[first + 1], popcnt);
    }
    for (int k = LastPairedFilter + 1; k <= FilterCount; ++k)
        if (active & NumberBit[k]) append(chain, catalogue.single[k], popcnt);
    return chain;
}

std::vector<RoutineLink> all_routine_links() {
    std::vector<RoutineLink> links;
    for (Family family : Families) links.insert(links.end(), family().begin(), family().end());
    return links;
}

std::vector<ChainEntry> describe_chain(Mask active) {
    const Chain chain = build_chain(active);
    return {chain.entries.begin(), chain.entries.begin() + chain.length};
}

} // namespace lotto
