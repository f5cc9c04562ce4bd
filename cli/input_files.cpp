#include "cli/input_files.h"

#include "cli/run_io.h"

namespace lotto::cli {

History load_history(const std::string& path, const HistoryOptions& o) {
    InputText t = input_text(path);
    if (!t.sent) return read_history(path, o);
    if (!t.error.empty()) {
        History h;
        h.error = t.error;
        return h;
    }
    return parse_history(t.text, path, o);
}

TicketFile load_tickets(const std::string& path, uint32_t highest) {
    InputText t = input_text(path);
    if (!t.sent) return read_tickets(path, highest);
    if (!t.error.empty()) return TicketFile{{}, t.error};
    return parse_tickets(t.text, path, highest);
}

} // namespace lotto::cli
