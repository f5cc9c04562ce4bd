// The printers of lotto739-cli: one per output format, each printing a whole run's stdout.
#pragma once

#include "analysis/backtest.h"
#include "analysis/explain.h"
#include "app/export_file.h"
#include "app/statistics.h"
#include "cli/options.h"
#include "engine/funnel.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace lotto::cli {

// What a count run hands to the printers.
struct RunOutput {
    const uint8_t* store = nullptr;
    uint32_t count = 0;
    double seconds = 0;
    std::vector<uint32_t> sample; // drawn record indices (0-based, ascending), with --sample
    uint64_t seed = 0;
    std::optional<ExportResult> exported; // the export to a file or to stdout ("-"), when asked
    std::optional<StatisticsTable> stats; // how many stored combinations hold each number, --stats
};

// Each format prints the count run's report (or only the count with -q), then what the options
// ask for: --page, the export's confirmation, --stats and --sample. They are called only after a
// good export: when it fails, stdout stays empty.
namespace text {
void run(std::FILE* out, const Common& c, const CountOptions& o, const RunOutput& r);
void list(std::FILE* out, uint32_t highest);
// history: the history file as named.
void backtest(std::FILE* out, const Settings& s, const std::string& history, const Backtest& b);
void funnel(std::FILE* out, const Settings& s, const Funnel& f);
void explain(std::FILE* out, const Settings& s, const Explanation& e);
} // namespace text

namespace csv {
void run(std::FILE* out, const Common& c, const CountOptions& o, const RunOutput& r);
void list(std::FILE* out, uint32_t highest);
void backtest(std::FILE* out, const Settings& s, const Backtest& b);
void funnel(std::FILE* out, const Settings& s, const Funnel& f);
void explain(std::FILE* out, const Settings& s, const Explanation& e);
} // namespace csv

namespace json {
void run(std::FILE* out, const Common& c, const CountOptions& o, const RunOutput& r);
void list(std::FILE* out, uint32_t highest);
void backtest(std::FILE* out, const Settings& s, const Backtest& b);
void funnel(std::FILE* out, const Settings& s, const Funnel& f);
void explain(std::FILE* out, const Settings& s, const Explanation& e);
} // namespace json

// The line of a successful export: "Exported PATH: N bytes in S seconds".
std::string export_line(const ExportResult& r);

// A filter's parameter as the tables show it; none for filters without one.
std::optional<uint32_t> shown_parameter(const Settings& s, int k);

} // namespace lotto::cli
