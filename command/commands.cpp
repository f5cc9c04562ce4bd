#include "command/commands.h"

#include <variant>

namespace lotto::command {

namespace {

// Calls the command that takes the options held.
struct Dispatch {
    const Common& c;
    int operator()(const CountOptions& o) const { return count(c, o); }
    int operator()(const ListOptions& o) const { return list(c, o); }
    int operator()(const FunnelOptions& o) const { return funnel(c, o); }
    int operator()(const ExplainOptions& o) const { return explain(c, o); }
    int operator()(const BacktestOptions& o) const { return backtest(c, o); }
    int operator()(const HistoryStatsOptions& o) const { return history_stats(c, o); }
    int operator()(const CheckTicketsOptions& o) const { return check_tickets(c, o); }
    int operator()(const WheelOptions& o) const { return wheel(c, o); }
    int operator()(const OddsOptions& o) const { return odds(c, o); }
};

} // namespace

int run_command(const Invocation& i) { return std::visit(Dispatch{i.common}, i.options); }

} // namespace lotto::command
