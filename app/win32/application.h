// The Windows application from start-up to the closing of the main window.
#pragma once

#include <windows.h>

namespace lotto::win {

// Creates the process-wide state, shows the Info dialog and then the main window; returns the
// process exit status once the main window has closed (non-zero when start-up failed).
int run_application(HINSTANCE instance);

} // namespace lotto::win
