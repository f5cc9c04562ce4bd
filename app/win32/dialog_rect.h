// A control's or a dialog's position and size, in dialog units.
#pragma once

namespace lotto::win {

struct DialogRect {
    short x = 0;
    short y = 0;
    short w = 0;
    short h = 0;
    bool operator==(const DialogRect&) const = default;
};

} // namespace lotto::win
