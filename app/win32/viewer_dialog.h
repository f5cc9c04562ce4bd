// The combination viewer "View combinations": the stored combinations, 1000 to a page, with
// the text export and the number statistics.
#pragma once

#include <windows.h>

namespace lotto::win {

// Shows the viewer modally over owner (the main window) on the last run's result; returns when
// "End view" has closed it.
void show_viewer(HWND owner);

} // namespace lotto::win
