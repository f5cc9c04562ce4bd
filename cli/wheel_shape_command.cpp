// --wheel with --tickets, --keys, --filtered-tickets or --repair: the shaped search, its tickets
// verified apart from it (the cases by the wheel verifier, the filters through the engine's
// per-combination measures) and printed.
#include "analysis/tickets.h"
#include "app/clock.h"
#include "app/format.h"
#include "cli/execute.h"
#include "cli/input_files.h"
#include "cli/wheel_command.h"
#include "cli/wheel_output.h"
#include "engine/measure.h"
#include "wheel/budget.h"
#include "wheel/wheel_verify.h"

#include <algorithm>

namespace lotto::cli {

namespace {

constexpr int InternalError = 3;

// What is wrong with the tickets the search added, or "": a key missing, a ticket the filters
// drop.
std::string fault_of(const Settings& s, const Shape& shape, const std::vector<Combination>& added) {
    for (const Combination& t : added) {
        for (uint8_t k : shape.keys)
            if (std::find(t.begin(), t.end(), k) == t.end())
                return "a ticket lacks the key " + std::to_string(k);
        if (shape.filtered && !active_filters_keep(s, t))
            return "a ticket does not pass the filters";
    }
    return "";
}

} // namespace

int run_shaped_wheel(const Common& co, const WheelOptions& wo) {
    WheelRequest r;
    r.numbers = wo.numbers;
    std::sort(r.numbers.begin(), r.numbers.end());
    r.keys = wo.keys;
    std::sort(r.keys.begin(), r.keys.end());
    r.guarantee = *wo.guarantee;
    r.budget = wo.budget;
    r.highest = co.highest;
    if (wo.filtered_tickets) r.filters = &co.settings;
    if (!wo.repair_file.empty())
        if (const std::string error = repair_tickets(wo.repair_file, co.highest, r.kept);
            !error.empty())
            return fail(error, 2);

    Found f;
    f.promise.numbers = r.numbers;
    f.promise.guarantee = r.guarantee;
    f.shape.on = true;
    f.shape.keys = r.keys;
    f.shape.budget = r.budget;
    f.shape.filtered = wo.filtered_tickets;
    f.shape.repair_file = wo.repair_file;
    f.shape.kept = r.kept.size();
    f.seed = wo.seed ? *wo.seed : system_seed();
    if (!wo.seed) note("seed " + std::to_string(f.seed));
    SearchOptions so = wheel_search_options(wo, f.seed, co.threads);
    so.progress = {};
    f.effort = so.effort;
    const Stopwatch watch;
    const ShapedWheel w = find_shaped_wheel(r, so);
    f.seconds = watch.seconds();
    f.stopped_early = w.stopped_early;
    const std::string g = std::to_string(r.guarantee.t) + "-if-" + std::to_string(r.guarantee.m);
    if (r.filters && r.budget == 0 && w.uncoverable != 0) {
        std::string example;
        for (uint8_t n : w.first_uncoverable)
            example += (example.empty() ? "" : ", ") + format_zero_padded(n, 2);
        return fail("--filtered-tickets: no ticket that passes the filters holds " +
                        std::to_string(r.guarantee.t) + " numbers of " +
                        format_plain(w.uncoverable) + " of the " + format_plain(w.cases) + " " +
                        std::to_string(r.guarantee.m) + "-subsets, such as " + example +
                        ", so no such tickets give " + g + "; --tickets B covers what they can",
                    1);
    }
    f.tickets = r.kept;
    f.tickets.insert(f.tickets.end(), w.added.begin(), w.added.end());

    const Stopwatch verifying;
    const WheelCheck check = verify_wheel(r.numbers, r.guarantee.t, r.guarantee.m, f.tickets, 0);
    f.verify_seconds = verifying.seconds();
    f.verified_cases = check.cases;
    f.shape.covered = check.cases - check.uncovered;
    f.shape.uncoverable = w.uncoverable;
    std::string fault = fault_of(co.settings, f.shape, w.added);
    if (fault.empty() && f.shape.covered != w.covered)
        fault = "the search counted " + format_plain(w.covered) + " cases covered, the verifier " +
                format_plain(f.shape.covered);
    if (fault.empty() && r.budget == 0 && !check.holds())
        fault = "the tickets leave " + format_plain(check.uncovered) + " of " +
                format_plain(check.cases) + " cases uncovered";
    if (!fault.empty())
        return fail("internal error: " + fault + "; nothing printed", InternalError);
    if (f.stopped_early)
        note("the time limit stopped the search after " + format_plain(w.added.size()) +
             " tickets");
    if (co.format == Format::Csv)
        note(f.shape.covered == check.cases
                 ? verified_line(f) + " in " + seconds_text(f.verify_seconds) + " seconds"
                 : "covers " + format_plain(f.shape.covered) + " of " + format_plain(check.cases) +
                       " cases");
    return deliver_tickets(co, wo, found_output(co.format, f), f.tickets.size());
}

} // namespace lotto::cli
