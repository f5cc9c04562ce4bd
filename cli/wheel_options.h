// The options of wheel, reduce and check-wheel: --wheel, --guarantee, --reduce, --tickets-from,
// --effort, --time-limit, --check-wheel and --output, read and checked apart from the count run's.
#pragma once

#include "wheel/guarantee.h"
#include "wheel/reduce.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lotto::cli {

struct WheelOptions {
    std::vector<uint8_t> numbers;       // --wheel LIST, as given; empty = no wheel
    std::optional<Guarantee> guarantee; // --guarantee T-if-M
    int reduce = 0;                     // --reduce T (2..6); 0 = no reduction
    std::optional<TicketsFrom> from;    // --tickets-from stored|any (default stored)
    std::optional<uint32_t> effort;     // --effort E (default 1)
    std::optional<double> time_limit;   // --time-limit SECONDS
    std::string check_file;             // --check-wheel FILE; "" = search instead
    std::string output_file;            // --output FILE; "" = stdout
    uint32_t budget = 0;                // --tickets B; 0 = as many as the guarantee needs
    std::vector<uint8_t> keys;          // --keys LIST, as given
    bool filtered_tickets = false;      // --filtered-tickets
    std::string repair_file;            // --repair FILE; "" = none
    std::optional<uint64_t> seed;       // --seed S of the search; none = from the system

    // Whether the wheel is shaped by a budget, keys, the filters or a repair.
    bool shaped() const {
        return budget != 0 || !keys.empty() || filtered_tickets || !repair_file.empty();
    }

    bool wheel() const { return !numbers.empty(); }
    // Whether the run is a wheel or a reduction instead of the count run's outputs.
    bool active() const { return wheel() || reduce != 0; }
};

// Each reads an option's value into w and returns "" or what is wrong with the value.
// --wheel LIST: 8 or more distinct numbers of 1..highest, the game in force.
std::string read_wheel_list(std::string_view value, WheelOptions& w, uint32_t highest);
std::string read_guarantee(std::string_view value, WheelOptions& w);
std::string read_reduce(std::string_view value, WheelOptions& w);
std::string read_tickets_from(std::string_view value, WheelOptions& w);
std::string read_effort(std::string_view value, WheelOptions& w);
std::string read_time_limit(std::string_view value, WheelOptions& w);
// --tickets B: a whole number 1 or more.
std::string read_budget(std::string_view value, WheelOptions& w);
// --keys LIST: numbers of 1..highest, as --wheel reads them.
std::string read_keys(std::string_view value, WheelOptions& w, uint32_t highest);

// What is wrong with the wheel options together and with the other modes and outputs (named by
// the flags given), or "".
struct OtherModes {
    bool list, backtest, funnel, explain, page, stats, sample, export_text, quiet, check_tickets,
        history_stats, odds;
};
// filters_on: whether any filter is on.
std::string check_wheel_options(const WheelOptions& w, const OtherModes& others, uint32_t highest,
                                bool filters_on = false);

} // namespace lotto::cli
