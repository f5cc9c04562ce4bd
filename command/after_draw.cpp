// history-stats and check-tickets: the past draws and the tickets.
#include "cli/after_draw.h"
#include "cli/execute.h"
#include "command/commands.h"

namespace lotto::command {

using namespace cli;

int history_stats(const Common& c, const HistoryStatsOptions& o) {
    const int status = history_stats_command(c, o);
    if (status == 0)
        note_threads_unused(c, "--history-stats, whose counts are taken on one thread");
    return status;
}

int check_tickets(const Common& c, const CheckTicketsOptions& o) {
    const int status = check_tickets_command(c, o);
    if (status == 0 && filters_given(c.settings))
        note("the filters do not narrow --check-tickets, which checks every ticket of the "
             "file; --backtest shows how the filters did on past draws");
    if (status == 0)
        note_threads_unused(c, "--check-tickets, whose tickets are checked on one thread");
    return status;
}

} // namespace lotto::command
