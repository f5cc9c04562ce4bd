#include "cli/after_draw.h"

#include "analysis/charts.h"
#include "cli/execute.h"
#include "cli/input_files.h"
#include "cli/printable.h"
#include "cli/write_file.h"

#include <algorithm>
#include <new>

namespace lotto::cli {

namespace {

// Says how the dates on some of the lines ordered the history (a note).
void note_partial_dates(const HistoryInput& in, const DrawChoice& choice, const History& h,
                        PartialDates partial) {
    if (partial == PartialDates::None || choice.newest_first) return;
    const auto dated = std::count_if(h.draws.begin(), h.draws.end(),
                                     [](const Draw& d) { return d.date.has_value(); });
    const std::string some = printable(in.file) + ": " + std::to_string(dated) + " of " +
                             std::to_string(h.draws.size()) + " draws' lines carry a date";
    if (partial == PartialDates::Disagree)
        fail(some + ", and those dates disagree on the order (some run forward, some back); the "
                    "file's order was taken as oldest first (give --newest-first if it lists the "
                    "newest draw first)",
             0); // a note
    else
        fail(some + "; they run " +
                 (partial == PartialDates::NewestFirst ? "newest first" : "oldest first") +
                 ", and so was the whole file taken",
             0); // a note
}

// The history of --history in order, oldest first, cut to --last; notes the skipped lines, and
// dates that did not read when the file order was taken.
bool read_ordered(const Common& c, const HistoryInput& in, const DrawChoice& o, History& h,
                  DrawSource& from, int& status) {
    h = load_history(in.file, in.read);
    if (!h.ok()) return status = fail(h.error, 2), false;
    note_history(in.file, h);
    check_game(c.highest, in.file, h.draws);
    PartialDates partial = PartialDates::None;
    from = {in.file, order_oldest_first(h, o.newest_first, &partial),
            static_cast<uint32_t>(h.draws.size())};
    note_partial_dates(in, o, h, partial);
    if (from.order == DrawOrder::AsWritten && h.unread_dates * 2 > h.draws.size())
        fail(printable(in.file) + ":" + std::to_string(h.first_unread_date) +
                 ": what looks like a date on " + std::to_string(h.unread_dates) + " of " +
                 std::to_string(h.draws.size()) +
                 " draws' lines does not read as one; the file's order was taken as oldest first "
                 "(give --newest-first if it lists the newest draw first)",
             0); // a note
    if (o.since && std::none_of(h.draws.begin(), h.draws.end(), [&](const Draw& d) {
            return d.date && d.date->key() >= o.since->key();
        }))
        return status = fail(
                   printable(in.file) + ": no draw dated " + date_text(*o.since) + " or later", 2),
               false;
    check_game_change(in.file, h.draws, true);
    if (o.since) keep_since(h, *o.since);
    if (o.last != 0) keep_latest(h, o.last);
    return true;
}

// The ticket check; tickets and draws count what was read before memory ran out.
int check_tickets_run(const Common& co, const CheckTicketsOptions& o, uint64_t& tickets_read,
                      uint64_t& draws_read) {
    const TicketFile tickets = load_tickets(o.tickets, co.highest);
    if (!tickets.ok()) return fail(tickets.error, 2);
    History h;
    DrawSource from{"--draw", DrawOrder::AsWritten, 1};
    if (o.draw) {
        Draw d;
        d.numbers = *o.draw;
        h.draws.push_back(d);
    } else if (int status = 0; !read_ordered(co, o.history, o.draws, h, from, status)) {
        return status;
    }
    tickets_read = tickets.tickets.size(), draws_read = h.draws.size();
    const TicketCheck c = check_tickets(tickets.tickets, h.draws, co.highest);
    print_settings(co);
    switch (co.format) {
    case Format::Text: text::check_tickets(out(), o.tickets, from, c); break;
    case Format::Csv:
        if (c.repeated != 0)
            fail(std::to_string(c.repeated) +
                     " ticket(s) repeat the numbers of an earlier ticket and are counted again: " +
                     repeats_text(c.repeats),
                 0);
        csv::check_tickets(out(), c);
        break;
    case Format::Json: json::check_tickets(out(), from, c); break;
    }
    return 0;
}

} // namespace

int write_chart(const std::string& path, const BarChart& chart) {
    if (std::string why = write_file_replacing(path, svg_document(chart)); !why.empty())
        return fail(why, 1);
    return 0;
}

int check_tickets_command(const Common& c, const CheckTicketsOptions& o) {
    uint64_t tickets_read = 0, draws_read = 0;
    try {
        return check_tickets_run(c, o, tickets_read, draws_read);
    } catch (const std::bad_alloc&) {
        const std::string work =
            tickets_read == 0 ? "reading " + printable(o.tickets) + " and the draws"
                              : "checking " + std::to_string(tickets_read) + " ticket(s) against " +
                                    std::to_string(draws_read) + " draw(s)";
        return fail_out_of_memory("out of memory: " + work +
                                  " needs more memory than the system gives");
    }
}

int history_stats_command(const Common& c, const HistoryStatsOptions& o) {
    History h;
    DrawSource from;
    if (int status = 0; !read_ordered(c, o.history, o.draws, h, from, status)) return status;
    const HistoryStats stats = history_stats(h.draws, c.settings, c.highest, 10, run_threads(c));
    // The chart first, so that a chart that cannot be written leaves stdout empty.
    if (!o.chart.empty())
        if (const int status = write_chart(o.chart, frequency_chart(stats)); status != 0)
            return status;
    print_settings(c);
    switch (c.format) {
    case Format::Text: text::history_stats(out(), from, stats); break;
    case Format::Csv: csv::history_stats(out(), stats); break;
    case Format::Json: json::history_stats(out(), from, stats); break;
    }
    return 0;
}

} // namespace lotto::cli
