// The process-wide state of the Windows application, created once at start-up and kept until
// the process ends.
#pragma once

#include "app/statistics.h"
#include "engine/lotto739.h"

#include <windows.h>

#include <cstdint>

namespace lotto::win {

struct AppState {
    Settings settings;
    ResultStore store;            // StoreBytes zero-filled bytes, obtained once
    uint32_t stored_count = 0;    // set by every count run
    uint32_t viewer_count = 0;    // the viewer's copy, set right after the run
    StatisticsTable statistics{}; // the latest statistics count
    HWND main_window = nullptr;   // the Info dialog while it is open, then the main window
};

AppState& app_state();

} // namespace lotto::win
