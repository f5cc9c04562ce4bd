#include "tests/gui/scenarios.h"

namespace gui {

std::span<const Scenario> all_scenarios() {
    static constexpr Scenario table[] = {
        {"startup", startup_scenario},         {"quit", quit_scenario},
        {"filters", filters_scenario},         {"pick", pick_scenario},
        {"viewer", viewer_scenario},           {"export", export_scenario},
        {"export_fail", export_fail_scenario}, {"statistics", statistics_scenario},
        {"screenshots", screenshots_scenario},
    };
    return table;
}

} // namespace gui
