// "Count and store": one timed enumeration run, its report and the viewer on the new result.
#pragma once

#include <windows.h>

namespace lotto::win {

// Runs the filters over the full system, shows the "Info" report and then the viewer owned by
// main; returns when the viewer has closed.
void count_and_store(HWND main);

} // namespace lotto::win
