// --reduce T with --tickets B or --repair FILE: the shaped reduction, its tickets verified apart
// from the search (the stored combinations they cover counted by the reduction's verifier) and
// printed.
#include "analysis/tickets.h"
#include "app/clock.h"
#include "app/format.h"
#include "cli/execute.h"
#include "cli/input_files.h"
#include "cli/wheel_command.h"
#include "cli/wheel_output.h"
#include "wheel/reduce.h"
#include "wheel/reduce_verify.h"

#include <new>

namespace lotto::cli {

namespace {

constexpr int InternalError = 3;

} // namespace

int run_shaped_reduction(const Common& co, const WheelOptions& wo, const uint8_t* store,
                         uint32_t count) {
    ReduceShape shape;
    shape.budget = wo.budget;
    if (!wo.repair_file.empty())
        if (const std::string error = repair_tickets(wo.repair_file, co.highest, shape.kept);
            !error.empty())
            return fail(error, 2);

    Found f;
    f.promise.wheel = false;
    f.promise.reduce = wo.reduce;
    f.promise.from = wo.from.value_or(TicketsFrom::Stored);
    f.promise.stored = count;
    f.shape.on = true;
    f.shape.budget = shape.budget;
    f.shape.repair_file = wo.repair_file;
    f.shape.kept = shape.kept.size();
    f.seed = wo.seed ? *wo.seed : system_seed();
    if (!wo.seed) note("seed " + std::to_string(f.seed));
    const SearchOptions so = wheel_search_options(wo, f.seed, co.threads);
    f.effort = so.effort;
    const Stopwatch watch;
    Reduction r;
    try {
        r = reduce_shaped(store, count, co.highest, wo.reduce, f.promise.from, shape, so);
    } catch (const std::bad_alloc&) {
        const uint64_t bytes = reduce_stored_bytes(count, co.highest, wo.reduce);
        return fail_out_of_memory("--reduce " + std::to_string(wo.reduce) +
                                  ": not enough memory for the " + format_plain(count) +
                                  " stored combinations: the search needs about " +
                                  format_plain((bytes + (1 << 20) - 1) >> 20) + " MB");
    }
    f.seconds = watch.seconds();
    f.stopped_early = r.stopped_early;
    f.tickets = shape.kept;
    f.tickets.insert(f.tickets.end(), r.tickets.begin(), r.tickets.end());
    // Kept tickets that are not all stored make the set one of any combinations.
    if (!all_stored(store, count, f.tickets)) f.promise.from = TicketsFrom::Any;

    const Stopwatch verifying;
    const CoverCheck check = verify_reduction(store, count, wo.reduce, f.tickets, 0);
    f.verify_seconds = verifying.seconds();
    f.verified_cases = check.cases;
    f.shape.covered = check.cases - check.uncovered;
    if (shape.budget != 0 && r.tickets.size() > shape.budget)
        return fail("internal error: the search added " + format_plain(r.tickets.size()) +
                        " tickets, more than the " + format_plain(shape.budget) +
                        " allowed; nothing printed",
                    InternalError);
    if (shape.budget == 0 && !check.holds())
        return fail("internal error: the tickets found leave " + format_plain(check.uncovered) +
                        " of " + format_plain(check.cases) + " cases uncovered; nothing printed",
                    InternalError);
    if (f.stopped_early)
        note("the time limit stopped the search after " + format_plain(r.tickets.size()) +
             " tickets");
    if (co.format == Format::Csv)
        note(check.holds() ? verified_line(f) + " in " + seconds_text(f.verify_seconds) + " seconds"
                           : "covers " + format_plain(f.shape.covered) + " of " +
                                 format_plain(check.cases) + " cases");
    return deliver_tickets(co, wo, found_output(co.format, f), f.tickets.size());
}

} // namespace lotto::cli
