// The main window's controls as the layout tables give them: ID, rectangle in dialog units and
// caption at creation.
#pragma once

#include "tests/gui/layout.h"

#include <string>
#include <vector>

namespace gui {

enum class Kind { CheckBox, Button, Banner };

struct Control {
    Kind kind;
    Box box;
    std::string caption;
};

// Filters 1-18, 21-28, 32-51 and 62-64 have a parameter and so a parameter button.
bool filter_has_parameter_button(int k);

// Every control of the main window at start-up, in creation order.
std::vector<Control> main_window_controls();

} // namespace gui
