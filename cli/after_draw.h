// After the draw: --check-tickets and --history-stats, and the --chart of the analyses.
#pragma once

#include "analysis/draw_order.h"
#include "analysis/history_stats.h"
#include "analysis/svg_chart.h"
#include "analysis/ticket_check.h"
#include "cli/options.h"

#include <cstdio>
#include <string>

namespace lotto::cli {

// Runs check-tickets against the history or the one draw; returns the exit status.
int check_tickets_command(const Common& c, const CheckTicketsOptions& o);

// Runs history-stats, and writes its chart with --chart; returns the exit status.
int history_stats_command(const Common& c, const HistoryStatsOptions& o);

// Writes the chart to path through a temporary file; 0, or 1 after the one-line message.
int write_chart(const std::string& path, const BarChart& chart);

// Where the draws came from, for the printers.
struct DrawSource {
    std::string name; // the history file as given, or "--draw"
    DrawOrder order = DrawOrder::AsWritten;
    uint32_t read = 0; // draws read, before --last
};

namespace text {
// tickets: the ticket file as named.
void check_tickets(std::FILE* out, const std::string& tickets, const DrawSource& from,
                   const TicketCheck& c);
void history_stats(std::FILE* out, const DrawSource& from, const HistoryStats& h);
} // namespace text
namespace csv {
void check_tickets(std::FILE* out, const TicketCheck& c);
void history_stats(std::FILE* out, const HistoryStats& h);
} // namespace csv
namespace json {
void check_tickets(std::FILE* out, const DrawSource& from, const TicketCheck& c);
void history_stats(std::FILE* out, const DrawSource& from, const HistoryStats& h);
} // namespace json

} // namespace lotto::cli
