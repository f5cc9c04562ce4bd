// The pick dialog "Enter number": a prompt and a list of the numbers that may be entered.
#pragma once

#include "app/pick.h"

#include <windows.h>

#include <cstdint>

namespace lotto::win {

// Shows the dialog modally over owner; returns the number picked, 0 for "Enter" with nothing
// selected, PickCancelled for "Cancel".
int32_t show_pick_dialog(HWND owner, const PickRequest& request);

// The open pick dialog, null when none is open.
HWND pick_dialog_window();

} // namespace lotto::win
