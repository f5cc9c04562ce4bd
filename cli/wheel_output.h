// The outputs of --wheel and --reduce: the tickets found with what was verified, or the verdict
// of --check-wheel, as text, CSV or JSON, built as strings for stdout or the --output file.
#pragma once

#include "analysis/tickets.h"
#include "cli/options.h"
#include "engine/measure.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lotto::cli {

// What the tickets promise: a wheel's guarantee over the chosen numbers or a reduction's over the
// stored combinations.
struct Promise {
    bool wheel = true;
    std::vector<uint8_t> numbers; // the wheel's numbers, ascending
    Guarantee guarantee;          // the wheel's
    int reduce = 0;               // the reduction's matches
    TicketsFrom from = TicketsFrom::Stored;
    uint32_t stored = 0; // the reduction's stored combinations
};

// A wheel shaped by --tickets, --keys, --filtered-tickets or --repair.
struct Shape {
    bool on = false;
    std::vector<uint8_t> keys; // in every ticket, ascending
    uint32_t budget = 0;       // --tickets B; 0 = none
    bool filtered = false;     // every ticket passes the filters
    std::string repair_file;   // "" = no repair
    std::size_t kept = 0;      // the first kept tickets are the repaired file's
    uint64_t covered = 0;      // cases covered, as the verifier counts them
    uint64_t uncoverable = 0;  // with the filters: cases no passing ticket covers
};

struct Found {
    Promise promise;
    Shape shape;
    std::vector<Combination> tickets; // a repair's kept tickets first
    uint64_t verified_cases = 0;
    uint64_t seed = 0;
    uint32_t effort = 1;
    double seconds = 0;
    double verify_seconds = 0;
    bool stopped_early = false;
};

struct Checked {
    Promise promise;
    std::string file;
    std::size_t tickets = 0; // distinct
    // Tickets holding the numbers of an earlier ticket: the line (the place in a JSON file) of
    // each and of the earlier one.
    std::vector<TicketRepeat> repeats;
    uint64_t cases = 0, uncovered = 0;
    std::vector<std::vector<uint8_t>> first_uncovered;
};

// "guarantee 3 if 4 verified over all 495 4-subsets" or "reduction to 3 matches verified over all
// 1234 stored combinations".
std::string verified_line(const Found& f);

// Seconds with three decimals: "1.005".
std::string seconds_text(double s);

// "1 ticket(s) repeat the numbers of an earlier ticket and are counted once: line 4 (line 2)".
std::string repeats_line(const Checked& c);

std::string found_output(Format format, const Found& f);
std::string checked_output(Format format, const Checked& c);

} // namespace lotto::cli
