// The input files of a run: read from the disk, or taken from the texts the run carries.
#pragma once

#include "analysis/history.h"
#include "analysis/tickets.h"

#include <string>

namespace lotto::cli {

History load_history(const std::string& path, const HistoryOptions& o);
TicketFile load_tickets(const std::string& path, uint32_t highest);

} // namespace lotto::cli
