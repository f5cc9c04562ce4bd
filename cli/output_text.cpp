#include "app/format.h"
#include "app/report.h"
#include "app/statistics.h"
#include "app/viewer.h"
#include "cli/output.h"
#include "cli/texts.h"
#include "engine/run.h"

namespace lotto::cli {

namespace {

void print_line(std::FILE* out, const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), out);
    std::fputc('\n', out);
}

} // namespace

std::string export_line(const ExportResult& r) {
    return "Exported " + r.path + ": " + format_plain(r.bytes) + " bytes in " +
           format_milliseconds(r.seconds) + " seconds";
}

std::optional<uint32_t> shown_parameter(const Settings& s, int k) {
    if (!has_parameter(k)) return std::nullopt;
    return s.params[k - 1];
}

namespace text {

void run(std::FILE* out, const Common& c, const CountOptions& o, const RunOutput& r) {
    if (o.quiet)
        print_line(out, format_plain(r.count));
    else
        for (const std::string& line : report_lines(r.seconds, r.count, c.highest))
            print_line(out, line);
    if (o.page != 0)
        for (const std::string& line : page_lines(r.store, r.count, o.page)) print_line(out, line);
    if (r.exported && !o.export_to_stdout()) print_line(out, export_line(*r.exported));
    if (o.stats) {
        const StatisticsTable& table = *r.stats;
        print_line(out, format_count(r.count, "combination"));
        for (const std::string& line : statistics_lines(table)) print_line(out, line);
    }
    for (const uint32_t i : r.sample) print_line(out, viewer_line(i + 1, record(r.store, i)));
}

void list(std::FILE* out, uint32_t highest) {
    for (const std::string& line : catalogue_lines(highest)) print_line(out, line);
}

} // namespace text

} // namespace lotto::cli
