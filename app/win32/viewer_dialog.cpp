#include "app/win32/viewer_dialog.h"

#include "app/format.h"
#include "app/viewer.h"
#include "app/win32/app_state.h"
#include "app/win32/dialog_template.h"
#include "app/win32/export_action.h"
#include "app/win32/focus_keeping.h"
#include "app/win32/font.h"
#include "app/win32/statistics_dialog.h"
#include "app/win32/wide_text.h"

namespace lotto::win {

namespace {

enum : int {
    IdList = 1907,
    IdEndView = 1730,
    IdPageDown = 1731,
    IdPageUp = 1732,
    IdFirstPage = 1733,
    IdLastPage = 1734,
    IdExport = 1735,
    IdPagesLabel = 1736,
    IdCombinationsLabel = 1737,
    IdCombinations = 1738,
    IdPages = 1739,
    IdCurrentLabel = 1740,
    IdCurrent = 1741,
    IdStatistics = 1908,
};

struct ViewerFonts {
    Font list{L"MS Sans Serif", 12, FW_NORMAL, EASTEUROPE_CHARSET};
    Font label{L"MS Sans Serif", 10, FW_BOLD};
    Font value{L"MS Sans Serif", 12, FW_BOLD, EASTEUROPE_CHARSET};
};

// Kept between openings; the current page is reset by every opening.
struct ViewerState {
    HWND window = nullptr;
    uint32_t current_page = 0;
    uint32_t page_count = 0;
};
ViewerState viewer;
FocusKeeper viewer_focus;

void render_page(HWND dialog, uint32_t page) {
    const AppState& state = app_state();
    HWND list = GetDlgItem(dialog, IdList);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    const PageSpan span = page_span(page, state.viewer_count);
    for (uint32_t i = span.first; i <= span.last && span.last >= span.first; ++i) {
        const std::wstring line = widen(viewer_line(i, record(state.store.get(), i - 1)));
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    set_text(dialog, IdCurrent, format_plain(page));
}

// Each navigation step runs with the viewer disabled; a step that would leave 1..page count
// does nothing.
void navigate(HWND dialog, int id) {
    uint32_t target = viewer.current_page;
    switch (id) {
    case IdPageDown:
        if (viewer.current_page > 1) target = viewer.current_page - 1;
        break;
    case IdPageUp:
        if (viewer.current_page + 1 <= viewer.page_count) target = viewer.current_page + 1;
        break;
    case IdFirstPage:
        if (viewer.current_page > 1) target = 1;
        break;
    case IdLastPage:
        if (viewer.current_page < viewer.page_count) target = viewer.page_count;
        break;
    }
    EnableWindow(dialog, FALSE);
    if (target != viewer.current_page) {
        viewer.current_page = target;
        render_page(dialog, target);
    }
    EnableWindow(dialog, TRUE);
}

void on_command(HWND dialog, int id) {
    switch (id) {
    case IdEndView: EndDialog(dialog, 0); break;
    case IdPageDown:
    case IdPageUp:
    case IdFirstPage:
    case IdLastPage: navigate(dialog, id); break;
    case IdExport:
        EnableWindow(dialog, FALSE);
        export_combinations(dialog);
        EnableWindow(dialog, TRUE);
        SetFocus(GetDlgItem(dialog, IdList));
        break;
    case IdStatistics:
        EnableWindow(dialog, FALSE);
        count_and_show_statistics(dialog);
        EnableWindow(dialog, TRUE);
        break;
    }
}

INT_PTR CALLBACK viewer_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (keep_focus(viewer_focus, dialog, message, wparam)) return TRUE;
    switch (message) {
    case WM_INITDIALOG: {
        viewer.window = dialog;
        const auto* fonts = reinterpret_cast<const ViewerFonts*>(lparam);
        set_font(dialog, IdList, fonts->list);
        for (int id : {IdPagesLabel, IdCombinationsLabel, IdCurrentLabel})
            set_font(dialog, id, fonts->label);
        for (int id : {IdCombinations, IdPages, IdCurrent}) set_font(dialog, id, fonts->value);
        viewer.page_count = page_count(app_state().viewer_count);
        set_text(dialog, IdPages, format_plain(viewer.page_count));
        viewer.current_page = 0;
        navigate(dialog, IdPageUp);
        return TRUE;
    }
    case WM_COMMAND: on_command(dialog, LOWORD(wparam)); return TRUE;
    }
    return FALSE;
}

} // namespace

void show_viewer(HWND owner) {
    const uint32_t count = app_state().viewer_count;
    DialogTemplate t(L"View combinations", {70, 70, 382, 336}, DialogStyle | WS_CLIPSIBLINGS,
                     WS_EX_CONTROLPARENT);
    t.add_listbox(IdList, {10, 10, 200, 290}, LBS_NOSEL | WS_VSCROLL | WS_BORDER);
    t.add_button(IdEndView, L"End view", {260, 20, 70, 40});
    t.add_button(IdExport, L"to txt file", {260, 70, 70, 40});
    t.add_button(IdStatistics, L"Couning numbers", {260, 120, 70, 40});
    t.add_static(IdPagesLabel, L"Total number of pages", {240, 265, 105, 15});
    t.add_static(IdCombinationsLabel, L"Total number of combinations", {225, 230, 140, 15});
    t.add_static(IdCombinations, widen(format_plain(count)), {225, 245, 135, 15}, SS_CENTER);
    t.add_static(IdPages, L"0", {225, 275, 135, 15}, SS_CENTER);
    t.add_static(IdCurrentLabel, L"Current page", {265, 295, 60, 15});
    t.add_static(IdCurrent, L"0", {225, 310, 135, 15}, SS_CENTER);
    t.add_button(IdPageDown, L"Page down (-)", {10, 310, 90, 20});
    t.add_button(IdPageUp, L"Page up (+)", {120, 310, 90, 20});
    t.add_button(IdFirstPage, L"First page", {10, 290, 90, 20});
    t.add_button(IdLastPage, L"Last page", {120, 290, 90, 20});

    ViewerFonts fonts;
    viewer_focus = {};
    run_dialog(t, owner, viewer_proc, reinterpret_cast<LPARAM>(&fonts));
    viewer.window = nullptr;
}

} // namespace lotto::win
