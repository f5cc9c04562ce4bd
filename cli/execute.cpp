#include "cli/execute.h"

#include "analysis/backtest.h"
#include "analysis/explain.h"
#include "analysis/history.h"
#include "analysis/sample.h"
#include "app/clock.h"
#include "app/format.h"
#include "app/viewer.h"
#include "cli/export_stream.h"
#include "cli/output.h"
#include "cli/printable.h"
#include "cli/settings_file.h"
#include "cli/wheel_command.h"
#include "cli/write_file.h"
#include "engine/funnel.h"
#include "engine/run.h"

#include <chrono>
#include <cstdio>
#include <random>

namespace lotto::cli {

namespace {

constexpr std::size_t LongestMessage = 1000;

void note(const std::string& message) { fail(message, 0); }

int backtest(const Options& o) {
    const History h = read_history(o.history, o.history_options);
    if (!h.ok()) return fail(h.error, 2);
    const std::string name = printable(o.history);
    for (const SkippedLine& skipped : h.skipped)
        note(name + ":" + std::to_string(skipped.line) + ": skipped: " + skipped.why);
    if (!h.skipped.empty())
        note(name + ": " + std::to_string(h.skipped.size()) + " bad line(s) skipped");
    if (h.draws.empty()) return fail(name + ": no draw to test", 2);
    const Backtest b = run_backtest(o.settings, h.draws);
    switch (o.format) {
    case Format::Text: text::backtest(stdout, o, b); break;
    case Format::Csv: csv::backtest(stdout, o.settings, b); break;
    case Format::Json: json::backtest(stdout, o.settings, b); break;
    }
    return 0;
}

void funnel(const Options& o) {
    const Funnel f = filter_funnel(o.settings);
    switch (o.format) {
    case Format::Text: text::funnel(stdout, o.settings, f); break;
    case Format::Csv: csv::funnel(stdout, o.settings, f); break;
    case Format::Json: json::funnel(stdout, o.settings, f); break;
    }
}

void explain_combination(const Options& o) {
    const Explanation e = explain(o.settings, *o.explain);
    switch (o.format) {
    case Format::Text: text::explain(stdout, o.settings, e); break;
    case Format::Csv: csv::explain(stdout, o.settings, e); break;
    case Format::Json: json::explain(stdout, o.settings, e); break;
    }
}

void list(const Options& o) {
    switch (o.format) {
    case Format::Text: text::list(stdout); break;
    case Format::Csv: csv::list(stdout); break;
    case Format::Json: json::list(stdout); break;
    }
}

// The sample's tickets, with the notes a user needs to repeat or read the draw.
void draw_sample(const Options& o, RunOutput& r) {
    r.seed = o.seed ? *o.seed : system_seed();
    if (!o.seed) note("seed " + std::to_string(r.seed));
    if (o.sample > r.count)
        note("--sample " + std::to_string(o.sample) + ": the run stored only " +
             std::to_string(r.count) + " combinations; printing all of them");
    r.sample = sample_indices(r.count, o.sample, r.seed);
}

int count_run(const Options& o) {
    const ResultStore store = allocate_store();
    if (!store)
        return fail("cannot obtain the result store (" + format_plain(StoreBytes) + " bytes)", 1);
    RunOutput r;
    r.store = store.get();
    const Stopwatch watch;
    r.count = run(o.settings, HighestNumber, store.get());
    r.seconds = watch.seconds();

    if (o.page > page_count(r.count))
        return fail("--page " + format_plain(o.page) + ": the run stored " + format_plain(r.count) +
                        " combinations in " + format_plain(page_count(r.count)) + " page(s)",
                    2);
    if (o.sample != 0) draw_sample(o, r);
    if (o.export_text)
        r.exported = o.export_to_stdout() ? export_to_stream(stdout, r.store, r.count)
                                          : export_to_file(o.export_dir, r.store, r.count);
    const bool exported = !r.exported || r.exported->ok;
    std::FILE* out = o.export_to_stdout() ? stderr : stdout;
    switch (o.format) {
    case Format::Text: text::run(out, o, r); break;
    case Format::Csv:
        if (!exported) break;
        csv::run(out, o, r);
        if (r.exported && !o.export_to_stdout()) note(export_line(*r.exported));
        break;
    case Format::Json:
        if (exported) json::run(out, o, r);
        break;
    }
    if (!exported) {
        std::fflush(stdout);
        return fail(r.exported->error, 1);
    }
    return 0;
}

} // namespace

uint64_t system_seed() {
    std::random_device rd;
    const uint64_t device = (uint64_t{rd()} << 32) ^ rd();
    return device ^
           static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

int fail(const std::string& message, int status) {
    const std::string line = "lotto739-cli: " + printable(message, LongestMessage) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    return status;
}

int execute(const Options& o) {
    if (!o.save_settings.empty())
        if (std::string why = write_file_replacing(o.save_settings, settings_text(o.settings));
            !why.empty())
            return fail(why, 1);
    if (o.wheel.active()) return run_wheel_command(o);
    if (o.list) {
        list(o);
        return 0;
    }
    if (o.explain) {
        explain_combination(o);
        return 0;
    }
    if (o.funnel) {
        funnel(o);
        return 0;
    }
    if (o.backtest) return backtest(o);
    return count_run(o);
}

} // namespace lotto::cli
