// The scenarios, one per process run: each drives the real program from its start-up and ends
// by quitting it (or fails and ends the process).
#pragma once

#include <span>

namespace gui {

struct Scenario {
    const char* name;
    void (*run)();
};

std::span<const Scenario> all_scenarios();

void startup_scenario();     // Info dialog, main window controls, rectangles and fonts
void quit_scenario();        // keys that must not close the main window, then "Quit"
void filters_scenario();     // check boxes and "Turn off all filters"
void pick_scenario();        // every kind of pick, each way of confirming
void viewer_scenario();      // count reports and every viewer button at its edges
void export_scenario();      // "to txt file" and the file it writes
void export_fail_scenario(); // an export whose file cannot be created
void statistics_scenario();  // "Couning numbers" and the "Stat of numbers" dialog
void screenshots_scenario(); // stops at each window for the screenshot script

} // namespace gui
