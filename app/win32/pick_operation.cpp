#include "app/win32/pick_operation.h"

#include "app/pick.h"
#include "app/win32/app_state.h"
#include "app/win32/pick_dialog.h"
#include "app/win32/wide_text.h"

namespace lotto::win {

void pick_for_button(HWND main, int button_id) {
    const PickTarget target = pick_target(button_id);
    if (target.kind == PickKind::None) return;
    Settings& s = app_state().settings;

    HWND focus = GetFocus();
    EnableWindow(main, FALSE);
    const int32_t result = show_pick_dialog(main, pick_request(s, target));
    const PickOutcome outcome = apply_pick(s, target, result);
    if (outcome.applied) set_text(main, button_id, outcome.caption);
    EnableWindow(main, TRUE);
    if (focus) SetFocus(focus);
}

} // namespace lotto::win
