// lotto739-cli: the count run, the viewer's pages, the text export and the number statistics
// from the command line, through the same engine and shell functions as the GUI.
#include "app/clock.h"
#include "app/export_file.h"
#include "app/format.h"
#include "app/report.h"
#include "app/statistics.h"
#include "app/viewer.h"
#include "cli/options.h"
#include "cli/texts.h"
#include "engine/run.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void print_line(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int error(const std::string& message, int status) {
    std::fprintf(stderr, "lotto739-cli: %s\n", message.c_str());
    return status;
}

// Everything on stdout must have reached it, or the run is not reported as done.
int finish() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return error("cannot write the output", 1);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    using namespace lotto;
    const cli::ParseResult parsed =
        cli::parse_options(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok()) return error(parsed.error, 2);
    const cli::Options& o = parsed.options;
    if (o.help) {
        std::fputs(cli::usage_text().c_str(), stdout);
        return finish();
    }
    if (o.version) {
        std::fputs(cli::version_text().c_str(), stdout);
        return finish();
    }
    if (o.list) {
        for (const std::string& line : cli::catalogue_lines()) print_line(line);
        return finish();
    }

    const ResultStore store = allocate_store();
    if (!store)
        return error("cannot obtain the result store (" + format_plain(StoreBytes) + " bytes)", 1);
    const Stopwatch watch;
    const uint32_t count = run(o.settings, HighestNumber, store.get());
    const double seconds = watch.seconds();

    if (o.page > page_count(count))
        return error("--page " + format_plain(o.page) + ": the run stored " + format_plain(count) +
                         " combinations in " + format_plain(page_count(count)) + " page(s)",
                     2);

    if (o.quiet) {
        print_line(format_plain(count));
    } else {
        for (const std::string& line : report_lines(seconds, count)) print_line(line);
    }
    if (o.page != 0)
        for (const std::string& line : page_lines(store.get(), count, o.page)) print_line(line);
    if (o.export_text) {
        const ExportResult r = export_to_file(o.export_dir, store.get(), count);
        if (!r.ok) {
            std::fflush(stdout);
            return error(r.error, 1);
        }
        print_line("Exported " + r.path + ": " + format_plain(r.bytes) + " bytes in " +
                   format_milliseconds(r.seconds) + " seconds");
    }
    if (o.stats) {
        StatisticsTable table{};
        count_numbers(store.get(), count, table);
        print_line(format_plain(count) + " combinations");
        for (const std::string& line : statistics_lines(table)) print_line(line);
    }
    return finish();
}
