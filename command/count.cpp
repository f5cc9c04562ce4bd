// count: the count run and its outputs (report, -q, --page, --export, --stats, --sample).
#include "analysis/sample.h"
#include "app/catalogue.h"
#include "app/clock.h"
#include "app/format.h"
#include "app/replace_file.h"
#include "app/statistics.h"
#include "app/viewer.h"
#include "cli/execute.h"
#include "cli/export_stream.h"
#include "cli/memory_file.h"
#include "cli/output.h"
#include "cli/printable.h"
#include "cli/write_file.h"
#include "command/commands.h"
#include "engine/funnel.h"
#include "engine/run.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <optional>
#include <utility>

namespace lotto::command {

using namespace cli;

namespace {

// The sample's tickets, with the notes a user needs to repeat or read the draw.
void draw_sample(const CountOptions& o, RunOutput& r) {
    r.seed = o.seed ? *o.seed : system_seed();
    if (!o.seed) note("seed " + std::to_string(r.seed));
    if (o.sample > r.count)
        note("--sample " + std::to_string(o.sample) + ": the run stored only " +
             format_count(r.count, "combination") + "; printing all of them");
    r.sample = sample_indices(r.count, o.sample, r.seed);
}

// The count run's outputs in the chosen format; the report goes to stderr when the export fills
// stdout.
void print_run(const Common& c, const CountOptions& o, const RunOutput& r) {
    // The program's own stdout has stderr beside it, which takes the report as it comes (nothing
    // fails after it); any other run hands the report back.
    std::optional<MemoryFile> report;
    if (o.export_to_stdout() && out() != stdout) report.emplace();
    std::FILE* to = !o.export_to_stdout() ? out() : report ? report->get() : stderr;
    if (!to) throw std::bad_alloc();
    print_settings(c);
    switch (c.format) {
    case Format::Text: text::run(to, c, o, r); break;
    case Format::Csv:
        csv::run(to, c, o, r);
        if (r.exported && !o.export_to_stdout()) note(export_line(*r.exported));
        break;
    case Format::Json: json::run(to, c, o, r); break;
    }
    if (report) run_io().report += report->take();
}

// "Maximum amount of numbers" for filter 2: the catalogue's label without its number.
std::string filter_name(int k) {
    std::string_view l = filter_label(k);
    l = l.substr(0, l.find_last_not_of(' ') + 1);
    if (const std::size_t number_end = l.find(") "); number_end != std::string_view::npos)
        l.remove_prefix(number_end + 2);
    return std::string(l);
}

// After a run that stored nothing with filters on, one note naming the filters that each let no
// combination through on their own (the funnel's counts), or saying that only together do they
// leave nothing.
void note_empty_result(const Common& c, uint32_t count) {
    if (count != 0 || c.settings.active == 0) return;
    const Funnel f = filter_funnel(c.settings, c.highest, run_threads(c));
    std::vector<std::pair<std::string, std::string>> alone; // the filter, "with its value P"
    for (const FunnelRow& row : f.rows)
        if (row.alone == 0) {
            const std::optional<uint32_t> p = shown_parameter(c.settings, row.filter);
            alone.emplace_back("filter " + std::to_string(row.filter) + " (" +
                                   filter_name(row.filter) + ")",
                               p ? " with its value " + std::to_string(*p) : "");
        }
    if (alone.empty())
        return note("note: each active filter alone lets combinations through, but the " +
                    std::to_string(f.rows.size()) +
                    " filters together leave none (--funnel shows what each keeps)");
    if (alone.size() == 1)
        return note("note: " + alone[0].first + " alone lets no combination through" +
                    alone[0].second);
    // At most NamedAlone are named, so that the note stays one readable line.
    constexpr std::size_t NamedAlone = 6;
    const std::size_t shown = alone.size() > NamedAlone ? NamedAlone - 1 : alone.size();
    std::string named;
    for (std::size_t i = 0; i < shown; ++i) {
        if (i != 0) named += i + 1 == alone.size() ? " and " : ", ";
        named += alone[i].first + alone[i].second;
    }
    if (shown < alone.size())
        named += " and " + std::to_string(alone.size() - shown) + " more filters";
    note("note: " + named + " each alone let no combination through" +
         (shown < alone.size() ? " (--funnel shows them all)" : ""));
}

// What keeps --export=DIR from writing into DIR when DIR is no folder, told before the run;
// "" otherwise.
std::string export_folder_problem(const CountOptions& o) {
    if (!o.export_text || o.export_to_stdout() || o.export_dir.empty()) return "";
    // "FILE/" names the file too.
    std::string path = o.export_dir;
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    std::error_code ec;
    const auto status = std::filesystem::status(file_system_path(path), ec);
    if (std::filesystem::is_directory(status)) return "";
    const std::string what =
        "--export=" + printable(o.export_dir) +
        ": --export takes a folder and writes kvx7_NNNNNNNN.txt into it (NNNNNNNN the number of "
        "stored combinations), ";
    if (std::filesystem::exists(status)) {
        const std::string folder = folder_of(path);
        return what + "but this is a file; " +
               (folder.empty() ? std::string("--export alone writes into the current folder")
                               : "give its folder: --export=" + printable(folder));
    }
    return what + "but there is no such folder";
}

// The count alone (-q with nothing that reads the records), counted without a store.
void count_only(const Common& c, const CountOptions& o) {
    RunOutput r;
    r.count = count_passing(c.settings, c.highest, run_threads(c));
    print_run(c, o, r);
    note_empty_result(c, r.count);
}

// The count and the statistics (--stats with nothing else that reads the records): the numbers are
// counted as the run goes, without a store.
void statistics_only(const Common& c, const CountOptions& o) {
    RunOutput r;
    const Stopwatch watch;
    const NumberCounts counts = count_numbers_passing(c.settings, c.highest, run_threads(c));
    r.seconds = watch.seconds();
    r.count = counts.total;
    r.stats.emplace();
    std::copy(counts.of.begin(), counts.of.end(), r.stats->begin());
    print_run(c, o, r);
    note_empty_result(c, r.count);
}

} // namespace

int count(const Common& c, const CountOptions& o) {
    if (o.count_only()) {
        count_only(c, o);
        return 0;
    }
    if (o.statistics_only()) {
        statistics_only(c, o);
        return 0;
    }
    if (const std::string why = export_folder_problem(o); !why.empty()) return fail(why, 1);
    RunOutput r;
    const ResultStore store = allocate_store(c.highest);
    if (!store)
        return fail_out_of_memory("cannot obtain the result store (" +
                                  format_plain(store_bytes(c.highest)) + " bytes)");
    r.store = store.get();
    // The store is made ready before the clock starts, as a program sets up its store at start:
    // the run's time is the run's. Only up to the 7/39 system's size, so that a run in a large
    // game that stores few records does not commit gigabytes it never writes.
    if (const std::size_t bytes = store_bytes(c.highest); bytes <= StoreBytes)
        clear_store(store.get(), bytes);
    const Stopwatch watch;
    r.count = run(c.settings, c.highest, store.get(), run_threads(c));
    r.seconds = watch.seconds();

    if (o.page > page_count(r.count))
        return fail("--page " + format_plain(o.page) + ": the run stored " +
                        format_count(r.count, "combination") + " in " +
                        format_plain(page_count(r.count)) + " page(s)",
                    2);
    if (o.sample != 0) draw_sample(o, r);
    if (o.export_text)
        r.exported = o.export_to_stdout() ? export_to_stream(out(), r.store, r.count)
                                          : export_to_file(o.export_dir, r.store, r.count);
    if (r.exported && !r.exported->ok) return fail(r.exported->error, 1); // stdout left empty
    if (o.stats) count_numbers(r.store, r.count, r.stats.emplace());
    print_run(c, o, r);
    note_empty_result(c, r.count);
    return 0;
}

} // namespace lotto::command
