// odds FILE: the exact odds of a ticket file over every draw of the game, or over the draws that
// pass the active filters.
#include "analysis/odds.h"
#include "app/format.h"
#include "cli/execute.h"
#include "cli/input_files.h"
#include "cli/odds_output.h"
#include "command/commands.h"
#include "engine/run.h"

#include <algorithm>
#include <cstdio>

namespace lotto::command {

using namespace cli;

int odds(const Common& c, const OddsOptions& o) {
    const TicketFile file = load_tickets(o.tickets, c.highest);
    if (!file.ok()) return fail(file.error, 2);
    OddsReport r;
    r.file = o.tickets;
    r.highest = c.highest;
    std::vector<Combination> tickets;
    for (const Ticket& t : file.tickets) tickets.push_back(t.numbers);
    std::vector<Combination> distinct = tickets;
    std::sort(distinct.begin(), distinct.end());
    r.distinct =
        static_cast<uint64_t>(std::unique(distinct.begin(), distinct.end()) - distinct.begin());
    const unsigned threads = run_threads(c);
    if (c.settings.active == 0) {
        r.odds = count_odds(tickets, c.highest, threads);
    } else {
        const ResultStore store = allocate_store(c.highest);
        if (!store)
            return fail("cannot obtain the result store (" + format_plain(store_bytes(c.highest)) +
                            " bytes) for the draws the filters keep",
                        1);
        const uint32_t count = run(c.settings, c.highest, store.get(), threads);
        if (count == 0)
            return fail("odds: the filters keep no draw of 7/" + std::to_string(c.highest) +
                            ", so there are no odds to count over them",
                        2);
        r.filtered = true;
        r.odds = count_odds(tickets, store.get(), count, threads);
    }
    print_settings(c);
    const std::string text = odds_output(c.format, r);
    std::fwrite(text.data(), 1, text.size(), out());
    return 0;
}

} // namespace lotto::command
