#include "cli/execute.h"

#include "analysis/backtest.h"
#include "analysis/charts.h"
#include "analysis/explain.h"
#include "analysis/game_check.h"
#include "analysis/history.h"
#include "analysis/sample.h"
#include "app/catalogue.h"
#include "app/clock.h"
#include "app/format.h"
#include "app/replace_file.h"
#include "app/statistics.h"
#include "app/viewer.h"
#include "cli/after_draw.h"
#include "cli/export_stream.h"
#include "cli/input_files.h"
#include "cli/memory_file.h"
#include "cli/output.h"
#include "cli/printable.h"
#include "cli/settings_file.h"
#include "cli/wheel_command.h"
#include "cli/write_file.h"
#include "engine/funnel.h"
#include "engine/run.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <new>
#include <optional>
#include <random>
#include <utility>

namespace lotto::cli {

namespace {

// Whether the settings hold filters: one switched on, a range moved from the game's default or a
// chosen-number array holding a number.
bool filters_given(const Settings& s) {
    const auto filled = [](const auto& array) {
        return std::any_of(array.begin(), array.end(), [](int32_t n) { return n != 0; });
    };
    return s.active != 0 || s.effective != default_ranges(s.highest) || filled(s.array7) ||
           filled(s.array15);
}

int backtest(const Options& o) {
    const History h = load_history(o.history, o.history_options);
    if (!h.ok()) return fail(h.error, 2);
    note_history(o, h);
    if (h.draws.empty()) return fail(printable(o.history) + ": no draw to test", 2);
    check_game(o, h.draws);
    const Backtest b = run_backtest(o.settings, h.draws, run_threads(o));
    // The chart first, so that a chart that cannot be written leaves stdout empty.
    if (!o.chart.empty())
        if (const int status = write_chart(o.chart, backtest_chart(b, o.settings)); status != 0)
            return status;
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::backtest(out(), o, b); break;
    case Format::Csv: csv::backtest(out(), o.settings, b); break;
    case Format::Json: json::backtest(out(), o.settings, b); break;
    }
    return 0;
}

int funnel(const Options& o) {
    const Funnel f = filter_funnel(o.settings, o.highest, run_threads(o));
    // The chart first, so that a chart that cannot be written leaves stdout empty.
    if (!o.chart.empty())
        if (const int status = write_chart(o.chart, funnel_chart(f)); status != 0) return status;
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::funnel(out(), o.settings, f); break;
    case Format::Csv: csv::funnel(out(), o.settings, f); break;
    case Format::Json: json::funnel(out(), o.settings, f); break;
    }
    return 0;
}

void explain_combination(const Options& o) {
    const Explanation e = explain(o.settings, *o.explain);
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::explain(out(), o.settings, e); break;
    case Format::Csv: csv::explain(out(), o.settings, e); break;
    case Format::Json: json::explain(out(), o.settings, e); break;
    }
}

void list(const Options& o) {
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::list(out(), o.highest); break;
    case Format::Csv: csv::list(out(), o.highest); break;
    case Format::Json: json::list(out(), o.highest); break;
    }
}

// The sample's tickets, with the notes a user needs to repeat or read the draw.
void draw_sample(const Options& o, RunOutput& r) {
    r.seed = o.seed ? *o.seed : system_seed();
    if (!o.seed) note("seed " + std::to_string(r.seed));
    if (o.sample > r.count)
        note("--sample " + std::to_string(o.sample) + ": the run stored only " +
             format_count(r.count, "combination") + "; printing all of them");
    r.sample = sample_indices(r.count, o.sample, r.seed);
}

// The count run's outputs in the chosen format; the report goes to stderr when the export fills
// stdout.
void print_run(const Options& o, const RunOutput& r) {
    MemoryFile report;
    std::FILE* to = o.export_to_stdout() ? report.get() : out();
    if (!to) throw std::bad_alloc();
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::run(to, o, r); break;
    case Format::Csv:
        csv::run(to, o, r);
        if (r.exported && !o.export_to_stdout()) note(export_line(*r.exported));
        break;
    case Format::Json: json::run(to, o, r); break;
    }
    if (o.export_to_stdout()) run_io().report += report.take();
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
void note_empty_result(const Options& o, uint32_t count) {
    if (count != 0 || o.settings.active == 0) return;
    const Funnel f = filter_funnel(o.settings, o.highest, run_threads(o));
    std::vector<std::pair<std::string, std::string>> alone; // the filter, "with its value P"
    for (const FunnelRow& row : f.rows)
        if (row.alone == 0) {
            const std::optional<uint32_t> p = shown_parameter(o.settings, row.filter);
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
std::string export_folder_problem(const Options& o) {
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

// The message for an input file that is missing or a folder, told before the run; "" otherwise.
std::string missing_input(const std::string& path) {
    if (path.empty() || run_io().files) return "";
    std::error_code ec;
    const auto status = std::filesystem::status(file_system_path(path), ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return printable(path) + ": no such file";
    if (status.type() == std::filesystem::file_type::directory)
        return printable(path) + ": is a directory";
    return "";
}

// The count alone (-q with nothing that reads the records), counted without a store.
void count_only(const Options& o) {
    RunOutput r;
    r.count = count_passing(o.settings, o.highest, run_threads(o));
    print_run(o, r);
    note_empty_result(o, r.count);
}

// The count and the statistics (--stats with nothing else that reads the records): the numbers are
// counted as the run goes, without a store.
void statistics_only(const Options& o) {
    RunOutput r;
    const Stopwatch watch;
    const NumberCounts counts = count_numbers_passing(o.settings, o.highest, run_threads(o));
    r.seconds = watch.seconds();
    r.count = counts.total;
    r.stats.emplace();
    std::copy(counts.of.begin(), counts.of.end(), r.stats->begin());
    print_run(o, r);
    note_empty_result(o, r.count);
}

int count_run(const Options& o) {
    if (o.count_only()) {
        count_only(o);
        return 0;
    }
    if (o.stats && o.page == 0 && !o.export_text && o.sample == 0) {
        statistics_only(o);
        return 0;
    }
    if (const std::string why = export_folder_problem(o); !why.empty()) return fail(why, 1);
    RunOutput r;
    const ResultStore store = allocate_store(o.highest);
    if (!store)
        return fail_out_of_memory("cannot obtain the result store (" +
                                  format_plain(store_bytes(o.highest)) + " bytes)");
    r.store = store.get();
    const Stopwatch watch;
    r.count = run(o.settings, o.highest, store.get(), run_threads(o));
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
    print_run(o, r);
    note_empty_result(o, r.count);
    return 0;
}

// Why the settings file cannot be written, found before the run so that stdout stays empty then
// (the settings are written only after the command succeeds); "" when it can. A plain file is
// tried out: the text goes to a temporary file beside it, which is dropped, so that an
// interrupted run leaves nothing behind. A device or a pipe, which would take the text twice, is
// not.
std::string unwritable_settings(const std::string& path, const std::string& text) {
    if (std::string why = unwritable_path(path); !why.empty()) return why;
    std::error_code ec;
    const auto status = std::filesystem::status(file_system_path(path), ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return "";
    ReplacingFile trial(path, text.size());
    if (trial.write(text.data(), text.size()) && trial.flush()) return "";
    return "cannot write '" + printable(path) + "': " + trial.commit();
}

// Says on stderr that a --threads given changes nothing for the command, told as "--list, which
// ...".
void note_threads_unused(const Options& o, const std::string& command) {
    if (o.threads != 0) note("--threads changes nothing for " + command);
}

// The command itself, its outputs and their exit status.
int run_command(const Options& o) {
    if (o.wheel.active()) {
        if (std::string why = missing_input(o.wheel.check_file); !why.empty()) return fail(why, 2);
        return run_wheel_command(o);
    }
    if (o.list) {
        note_threads_unused(o, "--list, which only prints the filters and the values they offer");
        if (filters_given(o.settings))
            note("the filters do not change --list, which prints every filter with the values it "
                 "offers");
        list(o);
        return 0;
    }
    if (o.explain) {
        note_threads_unused(o, "--explain, which measures one combination on one thread");
        explain_combination(o);
        return 0;
    }
    if (o.funnel) return funnel(o);
    if (o.backtest) return backtest(o);
    if (!o.check_tickets.empty()) {
        const int status = check_tickets_command(o);
        if (status == 0 && filters_given(o.settings))
            note("the filters do not narrow --check-tickets, which checks every ticket of the "
                 "file; --backtest shows how the filters did on past draws");
        if (status == 0)
            note_threads_unused(o, "--check-tickets, whose tickets are checked on one thread");
        return status;
    }
    if (o.history_stats) {
        const int status = history_stats_command(o);
        if (status == 0)
            note_threads_unused(o, "--history-stats, whose counts are taken on one thread");
        return status;
    }
    return count_run(o);
}

} // namespace

unsigned run_threads(const Options& o) { return o.threads != 0 ? o.threads : default_threads(); }

uint64_t system_seed() {
    std::random_device rd;
    const uint64_t device = (uint64_t{rd()} << 32) ^ rd();
    return device ^
           static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void note_history(const Options& o, const History& h) {
    const std::string name = printable(o.history);
    if (!h.named_first.empty())
        note(name + ": " +
             (h.named_first == h.named_last ? "column " + h.named_first
                                            : "columns " + h.named_first + ".." + h.named_last) +
             " taken from the header" +
             (h.named_bonus.empty() ? "" : ", " + h.named_bonus + " as the bonus number"));
    for (const SkippedLine& skipped : h.skipped)
        note(name + ":" + std::to_string(skipped.line) + ": skipped: " + skipped.why);
    if (!h.skipped.empty())
        note(name + ": " + std::to_string(h.skipped.size()) + " bad line(s) skipped");
    if (h.two_draw_lines != 0)
        note(name + ":" + std::to_string(h.first_two_draw_line) +
             ": fourteen numbers stand in a row after the date on " +
             std::to_string(h.two_draw_lines) +
             " line(s); each was read as two draws of that date, the first seven and then the "
             "next (to read one of them only, name its fields with --history-columns A-B)");
    if (h.longer_runs != 0)
        note(name + ":" + std::to_string(h.first_longer_run) +
             ": more than seven numbers stand in a row on " + std::to_string(h.longer_runs) +
             " line(s); the first seven were taken as the draw (wrong when a draw counter or a "
             "week stands before the numbers: then name the fields with --history-columns A-B, "
             "or a bonus after them with --bonus-column C)");
}

void check_game(const Options& o, const std::vector<Draw>& draws) {
    const TopNumbersCheck c = check_top_numbers(draws, o.highest);
    if (!c.smaller_game_likely()) return;
    const std::string smaller = "7/" + std::to_string(c.highest_drawn);
    note(printable(o.history) + ": no draw holds a number above " +
         std::to_string(c.highest_drawn) + " in " + std::to_string(draws.size()) +
         " draws read as 7/" + std::to_string(o.highest) + " (chance " + chance_text(c.chance) +
         "); if the game is " + smaller + ", give --game " + smaller);
}

void print_settings(const Options& o) {
    if (o.save_settings != "-") return;
    const std::string text = settings_text(o.settings);
    std::fwrite(text.data(), 1, text.size(), out());
}

int execute(const Options& o) {
    const bool saving = !o.save_settings.empty() && o.save_settings != "-";
    const std::string settings = saving ? settings_text(o.settings) : "";
    if (saving)
        if (std::string why = unwritable_settings(o.save_settings, settings); !why.empty())
            return fail(why, 1);
    const int status = run_command(o);
    if (status == 0 && saving)
        if (std::string why = write_file_replacing(o.save_settings, settings); !why.empty())
            return fail(why, 1);
    return status;
}

} // namespace lotto::cli
