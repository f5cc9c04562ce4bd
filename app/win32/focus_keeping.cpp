#include "app/win32/focus_keeping.h"

namespace lotto::win {

bool keep_focus(FocusKeeper& keeper, HWND dialog, UINT message, WPARAM wparam) {
    if (message != WM_ACTIVATE) return false;
    if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        keeper.remembered = (focus && IsChild(dialog, focus)) ? focus : nullptr;
        return true;
    }
    if (!keeper.remembered) return false; // let the dialog manager pick a control
    if (IsWindow(keeper.remembered)) SetFocus(keeper.remembered);
    keeper.remembered = nullptr;
    return true;
}

} // namespace lotto::win
