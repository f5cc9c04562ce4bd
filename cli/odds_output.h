// The output of odds FILE: for k = 0..7, the draws in which the best ticket matches exactly k,
// the chance of that and of k or more, and the tickets expected to match k, as text, CSV or JSON.
#pragma once

#include "analysis/odds.h"
#include "cli/options.h"

#include <string>

namespace lotto::cli {

struct OddsReport {
    Odds odds;
    std::string file;      // the ticket file, as named
    uint32_t highest = 39; // the game 7/highest
    bool filtered = false; // the draws walked are those that pass the active filters
    uint64_t distinct = 0; // distinct tickets among odds.tickets
};

std::string odds_output(Format format, const OddsReport& r);

} // namespace lotto::cli
