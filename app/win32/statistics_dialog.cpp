#include "app/win32/statistics_dialog.h"

#include "app/clock.h"
#include "app/format.h"
#include "app/statistics.h"
#include "app/win32/app_state.h"
#include "app/win32/dialog_template.h"
#include "app/win32/focus_keeping.h"
#include "app/win32/font.h"
#include "app/win32/wide_text.h"

namespace lotto::win {

namespace {

enum : int {
    IdTitle = 1901,
    IdCountLabel = 1902, // shared by the count label and the timing label
    IdCancel = 1909,
    IdList = 1910,
};

struct StatisticsFonts {
    Font title{L"MS Sans Serif", 14, FW_BOLD};
    Font count{L"MS Sans Serif", 10, FW_BOLD};
};

FocusKeeper statistics_focus;

// The first child of dialog with control ID id, in creation order.
HWND first_child_with_id(HWND dialog, int id) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

// The viewer owns the dialog, but it keeps its place over the main window: the dialog manager
// placed it relative to the viewer, so it moves by the distance between the two.
void place_over_main_window(HWND dialog) {
    POINT owner{0, 0};
    POINT main{0, 0};
    ClientToScreen(GetWindow(dialog, GW_OWNER), &owner);
    ClientToScreen(app_state().main_window, &main);
    RECT frame{};
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, frame.left + main.x - owner.x, frame.top + main.y - owner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK statistics_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (keep_focus(statistics_focus, dialog, message, wparam)) return TRUE;
    switch (message) {
    case WM_INITDIALOG: {
        place_over_main_window(dialog);
        const auto* fonts = reinterpret_cast<const StatisticsFonts*>(lparam);
        set_font(dialog, IdTitle, fonts->title);
        set_font(dialog, IdList, fonts->title);
        set_font(first_child_with_id(dialog, IdCountLabel), fonts->count);
        HWND list = GetDlgItem(dialog, IdList);
        for (const std::string& line : statistics_lines(app_state().statistics))
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(line).c_str()));
        SetFocus(list);
        return FALSE; // the focus is set
    }
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IdCancel: EndDialog(dialog, 0); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void show_statistics_dialog(HWND owner, double seconds) {
    const uint32_t count = app_state().stored_count;
    DialogTemplate t(L"Stat of numbers", {215, 87, 246, 267});
    t.add_static(IdTitle, L"Stat of numbers in combinations", {20, 15, 200, 15});
    t.add_static(IdCountLabel, widen(format_plain(count) + " combinations"), {20, 35, 180, 40});
    t.add_static(IdCountLabel, widen("Counting done in " + format_decimal4(seconds) + " seconds"),
                 {20, 55, 220, 40});
    t.add_button(IdCancel, L"Cancel", {140, 175, 90, 60});
    t.add_listbox(IdList, {15, 110, 115, 130}, LBS_SORT | WS_VSCROLL, WS_EX_CLIENTEDGE);

    StatisticsFonts fonts;
    statistics_focus = {};
    run_dialog(t, owner, statistics_proc, reinterpret_cast<LPARAM>(&fonts));
}

} // namespace

void count_and_show_statistics(HWND owner) {
    AppState& state = app_state();
    const Stopwatch clock;
    count_numbers(state.store.get(), state.stored_count, state.statistics);
    const double seconds = clock.seconds();
    // Owned by the viewer, so that the main window stays disabled until the viewer closes.
    show_statistics_dialog(owner, seconds);
}

} // namespace lotto::win
