// The pick operation behind a main-window button: asks for a number in the pick dialog, stores
// it in the filter settings and shows it on the button.
#pragma once

#include <windows.h>

namespace lotto::win {

// main is the main window, button_id the pressed parameter, range or array button.
void pick_for_button(HWND main, int button_id);

} // namespace lotto::win
