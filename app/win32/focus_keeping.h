// Every dialog keeps its keyboard focus across deactivation: the focused control is remembered
// when the dialog is deactivated and given the focus back when the dialog is activated again.
#pragma once

#include <windows.h>

namespace lotto::win {

struct FocusKeeper {
    HWND remembered = nullptr;
};

// Handles WM_ACTIVATE for dialog; returns true when the message was one it handled.
bool keep_focus(FocusKeeper& keeper, HWND dialog, UINT message, WPARAM wparam);

} // namespace lotto::win
