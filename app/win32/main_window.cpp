#include "app/win32/main_window.h"

#include "app/catalogue.h"
#include "app/format.h"
#include "app/pick.h"
#include "app/win32/app_state.h"
#include "app/win32/count_run.h"
#include "app/win32/focus_keeping.h"
#include "app/win32/font.h"
#include "app/win32/main_layout.h"
#include "app/win32/pick_operation.h"
#include "app/win32/wide_text.h"

#include <cassert>
#include <string>

namespace lotto::win {

namespace {

using namespace main_layout;

constexpr wchar_t Caption[] = L"Filtering lotto 7/39 combinations - Quorrel - "
                              L"Tessel Filter 64 WIN32 DLL Functions Info";
constexpr wchar_t BannerText[] = L"Tessel lottery 7/39 filtering DEMO application"
                                 L"- Quorrel ver. 1.1 July "
                                 L"2012.";

struct MainFonts {
    Font check_box{L"MS Sans Serif", 6, FW_NORMAL};
    Font banner{L"MS Sans Serif", 14, FW_BOLD};
};

// Row y of filter k's check box (and of its parameter button).
short filter_row(int k) {
    for (const CheckColumn& c : CheckColumns)
        if (k >= c.first && k <= c.last) return static_cast<short>(c.y + RowHeight * (k - c.first));
    assert(false && "every filter has a check box");
    return 0;
}

short check_box_x(int k) {
    for (const CheckColumn& c : CheckColumns)
        if (k >= c.first && k <= c.last) return c.x;
    assert(false && "every filter has a check box");
    return 0;
}

short check_box_width(int k) {
    for (const CheckWidth& c : CheckWidths)
        if (k >= c.first && k <= c.last) return c.w;
    assert(false && "every filter has a width");
    return 0;
}

short parameter_x(int k) {
    for (const ParameterColumn& c : ParameterColumns)
        if (k >= c.first && k <= c.last) return c.x;
    assert(false && "every filter lies in a column");
    return 0;
}

void add_array_buttons(DialogTemplate& t, const ArrayBlock& block, const int32_t* values) {
    for (int i = 0; i < block.size; ++i) {
        const DialogRect rect = {static_cast<short>(block.x + ArrayW * (i % ArrayPerRow)),
                                 static_cast<short>(block.y + ArrayH * (i / ArrayPerRow)), ArrayW,
                                 ArrayH};
        t.add_button(block.first_id + i, widen(format_plain(static_cast<uint64_t>(values[i]))),
                     rect);
    }
}

void build(DialogTemplate& t, const Settings& s) {
    for (int k = 1; k <= FilterCount; ++k) {
        t.add_checkbox(1000 + k, widen(filter_label(k)),
                       {check_box_x(k), filter_row(k), check_box_width(k), RowHeight});
    }
    for (int k = 1; k <= FilterCount; ++k) {
        if (s.highest_offered[k] <= 0) continue;
        t.add_button(1100 + k, widen(format_plain(static_cast<uint32_t>(s.lowest_offered[k]))),
                     {parameter_x(k), filter_row(k), ParameterW, ParameterH});
    }
    for (int r = 1; r <= RangeCount; ++r) {
        const short y = static_cast<short>(RangeY + RowHeight * (r - 1));
        const Range& entered = s.entered[r - 1];
        t.add_button(RangeStartButtonBase + 10 * r,
                     widen(format_plain(static_cast<uint32_t>(entered.start))),
                     {RangeStartX, y, RangeW, RangeH});
        t.add_button(RangeEndButtonBase + 10 * r,
                     widen(format_plain(static_cast<uint32_t>(entered.end))),
                     {RangeEndX, y, RangeW, RangeH});
    }
    add_array_buttons(t, Array7Block, s.array7.data());
    add_array_buttons(t, Array15Block, s.array15.data());
    t.add_button(QuitButton.id, QuitButton.caption, QuitButton.rect);
    t.add_button(CountButton.id, CountButton.caption, CountButton.rect);
    t.add_static(Banner, BannerText, BannerRect);
    t.add_button(TurnOffButton.id, TurnOffButton.caption, TurnOffButton.rect);
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
    DialogTemplate t(Caption, WindowRect);
    build(t, app_state().settings);
    MainFonts fonts;
    main_focus = {};
    run_dialog(t, nullptr, main_proc, reinterpret_cast<LPARAM>(&fonts));
    app_state().main_window = nullptr;
}

} // namespace lotto::win
