#include "command/commands.h"

#include <array>

namespace lotto::command {

namespace {

struct CommandRun {
    Command command;
    int (*run)(const Options&);
};

constexpr auto CommandRuns = std::to_array<CommandRun>({
    {Command::Count, count},
    {Command::List, list},
    {Command::Funnel, funnel},
    {Command::Explain, explain},
    {Command::Backtest, backtest},
    {Command::HistoryStats, history_stats},
    {Command::CheckTickets, check_tickets},
    {Command::Wheel, wheel},
    {Command::Reduce, wheel},
    {Command::CheckWheel, wheel},
});

} // namespace

int run_command(Command c, const Options& o) {
    for (const CommandRun& r : CommandRuns)
        if (r.command == c) return r.run(o);
    return count(o);
}

} // namespace lotto::command
