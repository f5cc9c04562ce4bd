#include "app/win32/main_window.h"

#include "app/pick.h"
#include "app/win32/app_state.h"
#include "app/win32/count_run.h"
#include "app/win32/dialog_template.h"
#include "app/win32/focus_keeping.h"
#include "app/win32/font.h"
#include "app/win32/main_layout.h"
#include "app/win32/pick_operation.h"
#include "app/win32/wide_text.h"

#include <string>

namespace lotto::win {

namespace {

using namespace main_layout;

struct MainFonts {
    Font check_box{L"MS Sans Serif", 6, FW_NORMAL};
    Font banner{L"MS Sans Serif", 14, FW_BOLD};
};

void build(DialogTemplate& t, const Settings& s) {
    for (const Placement& p : main_window_controls(s)) {
        const std::wstring text = widen(p.caption);
        switch (p.kind) {
        case ControlKind::CheckBox: t.add_checkbox(p.id, text, p.rect); break;
        case ControlKind::Button: t.add_button(p.id, text, p.rect); break;
        case ControlKind::Banner: t.add_static(p.id, text, p.rect, SS_LEFT); break;
        }
    }
}

void turn_off_all(HWND window, Settings& s) {
    for (int k = 1; k <= FilterCount; ++k) {
        CheckDlgButton(window, 1000 + k, BST_UNCHECKED);
        turn_filter_off(s, k);
    }
}

void on_command(HWND window, int id) {
    Settings& s = app_state().settings;
    if (pick_target(id).kind != PickKind::None) { // parameter, range and array buttons
        pick_for_button(window, id);
        return;
    }
    if (id >= FirstCheckBox && id <= LastCheckBox) {
        const int k = id - 1000;
        if (IsDlgButtonChecked(window, id) == BST_CHECKED)
            turn_filter_on(s, k);
        else
            turn_filter_off(s, k);
        return;
    }
    switch (id) {
    case Quit: EndDialog(window, 0); break;
    case CountAndStore: count_and_store(window); break;
    case TurnOffAll: turn_off_all(window, s); break;
    }
}

FocusKeeper main_focus;

INT_PTR CALLBACK main_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (keep_focus(main_focus, window, message, wparam)) return TRUE;
    switch (message) {
    case WM_INITDIALOG: {
        app_state().main_window = window;
        const auto* fonts = reinterpret_cast<const MainFonts*>(lparam);
        for (int id = FirstCheckBox; id <= LastCheckBox; ++id)
            set_font(window, id, fonts->check_box);
        set_font(window, Banner, fonts->banner);
        return TRUE;
    }
    case WM_COMMAND: on_command(window, LOWORD(wparam)); return TRUE;
    }
    return FALSE;
}

} // namespace

void show_main_window() {
    DialogTemplate t(widen(Caption), WindowRect);
    build(t, app_state().settings);
    MainFonts fonts;
    main_focus = {};
    run_dialog(t, nullptr, main_proc, reinterpret_cast<LPARAM>(&fonts));
    app_state().main_window = nullptr;
}

} // namespace lotto::win
