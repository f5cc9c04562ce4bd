#include "cli/after_draw.h"

#include "analysis/charts.h"
#include "cli/execute.h"
#include "cli/input_files.h"
#include "cli/printable.h"
#include "cli/write_file.h"

#include <new>

namespace lotto::cli {

namespace {

// The history of --history in order, oldest first, cut to --last; notes the skipped lines, and
// dates that did not read when the file order was taken.
bool read_ordered(const Options& o, History& h, DrawSource& from, int& status) {
    h = load_history(o.history, o.history_options);
    if (!h.ok()) return status = fail(h.error, 2), false;
    note_history(o, h);
    check_game(o, h.draws);
    from = {o.history, order_oldest_first(h, o.newest_first),
            static_cast<uint32_t>(h.draws.size())};
    if (from.order == DrawOrder::AsWritten && h.unread_dates * 2 > h.draws.size())
        fail(printable(o.history) + ":" + std::to_string(h.first_unread_date) +
                 ": what looks like a date on " + std::to_string(h.unread_dates) + " of " +
                 std::to_string(h.draws.size()) +
                 " draws' lines does not read as one; the file's order was taken as oldest first "
                 "(give --newest-first if it lists the newest draw first)",
             0); // a note
    if (o.last != 0) keep_latest(h, o.last);
    return true;
}

// The ticket check; tickets and draws count what was read before memory ran out.
int check_tickets_run(const Options& o, uint64_t& tickets_read, uint64_t& draws_read) {
    const TicketFile tickets = load_tickets(o.check_tickets, o.highest);
    if (!tickets.ok()) return fail(tickets.error, 2);
    History h;
    DrawSource from{"--draw", DrawOrder::AsWritten, 1};
    if (o.draw) {
        Draw d;
        d.numbers = *o.draw;
        h.draws.push_back(d);
    } else if (int status = 0; !read_ordered(o, h, from, status)) {
        return status;
    }
    tickets_read = tickets.tickets.size(), draws_read = h.draws.size();
    const TicketCheck c = check_tickets(tickets.tickets, h.draws, o.highest);
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::check_tickets(out(), o, from, c); break;
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

int check_tickets_command(const Options& o) {
    uint64_t tickets_read = 0, draws_read = 0;
    try {
        return check_tickets_run(o, tickets_read, draws_read);
    } catch (const std::bad_alloc&) {
        const std::string work =
            tickets_read == 0 ? "reading " + printable(o.check_tickets) + " and the draws"
                              : "checking " + std::to_string(tickets_read) + " ticket(s) against " +
                                    std::to_string(draws_read) + " draw(s)";
        return fail_out_of_memory("out of memory: " + work +
                                  " needs more memory than the system gives");
    }
}

int history_stats_command(const Options& o) {
    History h;
    DrawSource from;
    if (int status = 0; !read_ordered(o, h, from, status)) return status;
    const HistoryStats stats = history_stats(h.draws, o.settings, o.highest, 10, run_threads(o));
    // The chart first, so that a chart that cannot be written leaves stdout empty.
    if (!o.chart.empty())
        if (const int status = write_chart(o.chart, frequency_chart(stats)); status != 0)
            return status;
    print_settings(o);
    switch (o.format) {
    case Format::Text: text::history_stats(out(), from, stats); break;
    case Format::Csv: csv::history_stats(out(), stats); break;
    case Format::Json: json::history_stats(out(), from, stats); break;
    }
    return 0;
}

} // namespace lotto::cli
