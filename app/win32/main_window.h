// The main window: the 64 filter check boxes, the pick buttons, the command buttons and the
// banner. The program's working window, open until "Quit".
#pragma once

namespace lotto::win {

// Builds the window, shows it modally without owner and returns when "Quit" has closed it.
void show_main_window();

} // namespace lotto::win
