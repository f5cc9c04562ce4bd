#include "app/report.h"

#include "app/format.h"
#include "engine/settings.h"

namespace lotto {

std::array<std::string, 4> report_lines(double seconds, uint32_t count) {
    return report_lines(seconds, count, DefaultGame);
}

std::array<std::string, 4> report_lines(double seconds, uint32_t count, uint32_t highest) {
    return {
        "Active filters",
        "Job done in:" + format_decimal4(seconds) + " seconds",
        "Full system " + std::to_string(game_combinations(highest)) + " combinations",
        "Number of filtered combinations:" + format_plain(count),
    };
}

std::string report_text(double seconds, uint32_t count) {
    const auto lines = report_lines(seconds, count);
    std::string text = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) {
        text += '\r';
        text += lines[i];
    }
    return text;
}

} // namespace lotto
