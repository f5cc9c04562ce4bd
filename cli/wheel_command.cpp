#include "cli/wheel_command.h"

#include "analysis/tickets.h"
#include "app/clock.h"
#include "app/format.h"
#include "cli/execute.h"
#include "cli/input_files.h"
#include "cli/printable.h"
#include "cli/wheel_output.h"
#include "cli/write_file.h"
#include "engine/run.h"
#include "wheel/cover.h"
#include "wheel/reduce.h"
#include "wheel/reduce_verify.h"
#include "wheel/wheel_verify.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <new>
#include <set>

namespace lotto::cli {

namespace {

constexpr int InternalError = 3;

// The most T-subsets of stored combinations a reduction indexes: enough for every result of
// 7/39 at T = 3 and 4 (15,380,937 combinations of 35 subsets each).
constexpr uint64_t MostIndexed = 540'000'000;

// What to do about a result too large to reduce to t matches.
std::string too_large_advice(int t) {
    return t > 2 ? "filter them further or choose a smaller T" : "filter them further";
}

} // namespace

SearchOptions wheel_search_options(const WheelOptions& wo, uint64_t seed, unsigned threads) {
    SearchOptions so;
    so.seed = seed;
    so.effort = wo.effort.value_or(1);
    so.time_limit = wo.time_limit.value_or(0);
    so.threads = threads;
    // The run's progress and cancel reach the search here.
    so.cancel = run_io().cancel;
    if (const auto& progress = run_io().progress)
        so.progress = [progress](std::size_t best) {
            progress("best so far: " + std::to_string(best) + " tickets");
        };
    return so;
}

namespace {

// The m-subsets a wheel's verification walks per second on one core, by the guarantee's T: about
// what "T if 7" over 40 to 64 numbers takes (2: 375 to 445 million a second, 3: 185 to 200, 4:
// 62 to 67, 5: 70 to 160, 6: 23; 7 taken as 6); "T if M" for a smaller M runs faster.
constexpr std::array<double, 8> VerifiedPerSecond{0, 0, 400e6, 190e6, 64e6, 100e6, 23e6, 23e6};
// A verification expected to take this many seconds or more is announced.
constexpr double LongVerification = 3;

// Says on stderr what a long verification checks and about how long it takes; returns what shows
// its progress on a terminal (nothing otherwise).
std::function<void(uint64_t)> announce_verification(const Promise& p, const SearchOptions& so) {
    const uint64_t cases =
        choose(static_cast<uint32_t>(p.numbers.size()), static_cast<uint32_t>(p.guarantee.m));
    const double seconds =
        static_cast<double>(cases) / VerifiedPerSecond[static_cast<std::size_t>(p.guarantee.t)];
    if (seconds < LongVerification) return {};
    note("verifying the " + format_plain(p.numbers.size()) + " numbers' " + format_plain(cases) +
         " " + std::to_string(p.guarantee.m) + "-subsets one by one, about " +
         format_plain(static_cast<uint64_t>(seconds + 0.5)) + " seconds");
    if (!so.progress) return {};
    return [cases, progress = run_io().progress](uint64_t done) {
        char line[32];
        std::snprintf(line, sizeof line, "verified %.0f%%",
                      100.0 * static_cast<double>(done) / static_cast<double>(cases));
        progress(line);
    };
}

Promise promise_of(const WheelOptions& wo, uint32_t stored) {
    Promise p;
    p.wheel = wo.wheel();
    if (p.wheel) {
        p.numbers = wo.numbers;
        std::sort(p.numbers.begin(), p.numbers.end());
        p.guarantee = *wo.guarantee;
    } else {
        p.reduce = wo.reduce;
        p.from = wo.from.value_or(TicketsFrom::Stored);
        p.stored = stored;
    }
    return p;
}

} // namespace

int deliver_tickets(const Common& co, const WheelOptions& wo, const std::string& text,
                    std::size_t tickets) {
    if (wo.output_file.empty() || wo.output_file == "-") {
        print_settings(co);
        std::fwrite(text.data(), 1, text.size(), out());
        return 0;
    }
    if (std::string why = write_file_replacing(wo.output_file, text); !why.empty())
        return fail(why, 1);
    print_settings(co);
    note("wrote " + format_plain(tickets) + (tickets == 1 ? " ticket" : " tickets") + " to " +
         printable(wo.output_file));
    return 0;
}

std::string repair_tickets(const std::string& file, uint32_t highest,
                           std::vector<Combination>& kept) {
    const TicketFile read = load_tickets(file, highest);
    if (!read.ok()) return read.error;
    std::set<Combination> seen; // a repeated ticket is kept once
    for (const Ticket& t : read.tickets)
        if (seen.insert(t.numbers).second) kept.push_back(t.numbers);
    return "";
}

bool all_stored(const uint8_t* store, uint32_t count, const std::vector<Combination>& tickets) {
    return std::all_of(tickets.begin(), tickets.end(), [&](const Combination& c) {
        uint32_t low = 0, high = count; // the first record not below c lies in low..high
        while (low < high) {
            const uint32_t mid = low + (high - low) / 2;
            if (std::memcmp(store + std::size_t{mid} * 7, c.data(), 7) < 0)
                low = mid + 1;
            else
                high = mid;
        }
        return low < count && std::memcmp(store + std::size_t{low} * 7, c.data(), 7) == 0;
    });
}

namespace {

int check_file(const Common& co, const WheelOptions& wo, const uint8_t* store, uint32_t count) {
    const TicketFile file = load_tickets(wo.check_file, co.highest);
    if (!file.ok()) return fail(file.error, 2);
    // A ticket repeating an earlier one's numbers counts once, and is named.
    Checked c;
    std::vector<Combination> tickets;
    std::map<Combination, uint32_t> first_line;
    for (const Ticket& t : file.tickets) {
        const auto [at, fresh] = first_line.emplace(t.numbers, t.line);
        if (fresh)
            tickets.push_back(t.numbers);
        else
            c.repeats.push_back({t.line, at->second});
    }
    c.promise = promise_of(wo, count);
    c.file = wo.check_file;
    c.tickets = tickets.size();
    if (c.promise.wheel) {
        const WheelCheck w =
            verify_wheel(c.promise.numbers, c.promise.guarantee.t, c.promise.guarantee.m, tickets);
        c.cases = w.cases, c.uncovered = w.uncovered, c.first_uncovered = w.first_uncovered;
    } else {
        c.promise.from = all_stored(store, count, tickets) ? TicketsFrom::Stored : TicketsFrom::Any;
        const CoverCheck r = verify_reduction(store, count, c.promise.reduce, tickets);
        c.cases = r.cases, c.uncovered = r.uncovered;
        for (const Combination& u : r.first_uncovered)
            c.first_uncovered.emplace_back(u.begin(), u.end());
    }
    if (co.format == Format::Csv && !c.repeats.empty()) note(repeats_line(c));
    const std::string text = checked_output(co.format, c);
    print_settings(co);
    std::fwrite(text.data(), 1, text.size(), out());
    return c.uncovered == 0 ? 0 : 1;
}

// Searches, verifies and prints; a verification that fails is an internal error.
int search(const Common& co, const WheelOptions& wo, const uint8_t* store, uint32_t count) {
    Found f;
    f.promise = promise_of(wo, count);
    f.seed = wo.seed ? *wo.seed : system_seed();
    if (!wo.seed) note("seed " + std::to_string(f.seed));
    const SearchOptions so = wheel_search_options(wo, f.seed, co.threads);
    f.effort = so.effort;
    const Stopwatch watch;
    uint64_t uncovered = 0;
    if (f.promise.wheel) {
        const Wheel w = find_wheel(f.promise.numbers, f.promise.guarantee, so);
        f.seconds = watch.seconds();
        f.tickets = w.tickets;
        f.stopped_early = w.stopped_early;
        const Stopwatch verifying;
        const WheelCheck check =
            verify_wheel(f.promise.numbers, f.promise.guarantee.t, f.promise.guarantee.m, f.tickets,
                         5, announce_verification(f.promise, so));
        f.verify_seconds = verifying.seconds();
        f.verified_cases = check.cases;
        uncovered = check.uncovered;
    } else {
        Reduction r;
        try {
            r = reduce_stored(store, count, co.highest, f.promise.reduce, f.promise.from, so,
                              MostIndexed);
        } catch (const std::bad_alloc&) {
            const uint64_t bytes = reduce_stored_bytes(count, co.highest, f.promise.reduce);
            return fail_out_of_memory("--reduce " + std::to_string(f.promise.reduce) +
                                      ": not enough memory for the " + format_plain(count) +
                                      " stored combinations: the search needs about " +
                                      format_plain((bytes + (1 << 20) - 1) >> 20) + " MB; " +
                                      too_large_advice(f.promise.reduce));
        }
        if (r.refused != 0) {
            const int t = f.promise.reduce;
            return fail(
                "--reduce " + std::to_string(t) + ": the whole game's construction leaves " +
                    format_plain(r.refused) + " of the " + format_plain(count) +
                    " stored combinations uncovered, more than the " +
                    format_plain(MostIndexed / choose(7, static_cast<uint32_t>(t))) +
                    " a reduction to " + std::to_string(t) + " can mend; " + too_large_advice(t),
                2);
        }
        f.seconds = watch.seconds();
        f.tickets = r.tickets;
        f.stopped_early = r.stopped_early;
        // Tickets that may be any combination are told as stored ones where they all are.
        if (f.promise.from == TicketsFrom::Any && all_stored(store, count, f.tickets))
            f.promise.from = TicketsFrom::Stored;
        const Stopwatch verifying;
        const CoverCheck check = verify_reduction(store, count, f.promise.reduce, f.tickets);
        f.verify_seconds = verifying.seconds();
        f.verified_cases = check.cases;
        uncovered = check.uncovered;
    }
    if (uncovered != 0)
        return fail("internal error: the tickets found leave " + format_plain(uncovered) + " of " +
                        format_plain(f.verified_cases) + " cases uncovered; nothing printed",
                    InternalError);
    if (f.stopped_early)
        note("the time limit stopped the search after " + format_plain(f.tickets.size()) +
             " tickets");
    // What a first cover needs is not cut short: a search far past the limit says so.
    if (so.time_limit > 0 && f.seconds > 2 * so.time_limit && f.seconds > so.time_limit + 1) {
        char limit[32];
        std::snprintf(limit, sizeof limit, "%g", so.time_limit);
        note("--time-limit " + std::string(limit) + ": the search took " + seconds_text(f.seconds) +
             " seconds; the limit cuts the improvement of a cover, not the building of the first");
    }
    if (co.format == Format::Csv)
        note(verified_line(f) + " in " + seconds_text(f.verify_seconds) + " seconds");
    return deliver_tickets(co, wo, found_output(co.format, f), f.tickets.size());
}

} // namespace

int run_wheel_command(const Common& co, const WheelOptions& wo) {
    // A file the tickets cannot go to is told before the search, not after it.
    if (!wo.output_file.empty() && wo.output_file != "-")
        if (std::string why = unwritable_path(wo.output_file); !why.empty()) return fail(why, 1);
    if (wo.wheel()) {
        if (wo.shaped()) return run_shaped_wheel(co, wo);
        if (co.settings.active != 0)
            note("the filters do not narrow a --wheel, which covers every choice of M of its "
                 "numbers; --reduce T covers the filtered result");
        if (co.threads != 0)
            note("--threads changes nothing for a --wheel, whose tickets are searched and checked "
                 "on one thread; --reduce T shares its count run among the threads");
        return wo.check_file.empty() ? search(co, wo, nullptr, 0) : check_file(co, wo, nullptr, 0);
    }
    const ResultStore store = allocate_store(co.highest);
    if (!store)
        return fail_out_of_memory("cannot obtain the result store (" +
                                  format_plain(store_bytes(co.highest)) + " bytes)");
    const uint32_t count = run(co.settings, co.highest, store.get(), run_threads(co));
    const std::string reduce = "--reduce " + std::to_string(wo.reduce);
    if (count == 0)
        return fail(reduce + ": the settings store no combination, so there is nothing to cover",
                    2);
    // The search indexes every T-subset of every stored combination (a whole game up to T = 4
    // needs no index): beyond MostIndexed subsets that takes many gigabytes and minutes.
    const uint64_t most = MostIndexed / choose(7, static_cast<uint32_t>(wo.reduce));
    // Most of a game is first covered from its construction, and only what that leaves is
    // indexed: the search refuses it if that is still too much.
    const bool whole_game = count == game_combinations(co.highest) && wo.reduce <= 4;
    // A budget or a repair indexes nothing but starts from no construction either.
    const bool from_construction =
        !wo.shaped() &&
        (whole_game || reduce_starts_from_construction(count, co.highest, wo.reduce));
    if (wo.check_file.empty() && count > most && !from_construction)
        return fail(reduce + ": the " + format_plain(count) +
                        " stored combinations are more than the " + format_plain(most) +
                        " a reduction to " + std::to_string(wo.reduce) + " can take; " +
                        too_large_advice(wo.reduce),
                    2);
    if (wo.shaped()) return run_shaped_reduction(co, wo, store.get(), count);
    return wo.check_file.empty() ? search(co, wo, store.get(), count)
                                 : check_file(co, wo, store.get(), count);
}

} // namespace lotto::cli
