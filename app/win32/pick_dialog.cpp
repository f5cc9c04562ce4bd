#include "app/win32/pick_dialog.h"

#include "app/win32/dialog_template.h"
#include "app/win32/focus_keeping.h"
#include "app/win32/font.h"
#include "app/win32/wide_text.h"

#include <string>

namespace lotto::win {

namespace {

enum : int {
    IdTitle = 1901,
    IdPrompt = 1902,
    IdEnter = 1903,
    IdCancel = 1904,
    IdList = 1905,
    IdChoose = 1906,
};

struct PickFonts {
    Font title{L"MS Sans Serif", 14, FW_BOLD};
    Font prompt{L"MS Sans Serif", 10, FW_BOLD};
    Font button{L"MS Sans Serif", 14, FW_BOLD, DEFAULT_CHARSET, true};
};

struct PickSession {
    const PickRequest* request = nullptr;
    const PickFonts* fonts = nullptr;
    int32_t result = PickCancelled;
};

HWND open_pick_dialog = nullptr;
FocusKeeper pick_focus;

// "Enter": the selected item's number, or 0 when nothing is selected.
int32_t selected_number(HWND dialog) {
    HWND list = GetDlgItem(dialog, IdList);
    const LRESULT sel = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (sel == LB_ERR) return 0;
    const LRESULT len = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(sel), 0);
    if (len == LB_ERR) return 0;
    std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(sel), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(len));
    return parse_pick(narrow(text));
}

void fill_list(HWND dialog, const PickRequest& request) {
    HWND list = GetDlgItem(dialog, IdList);
    for (const std::string& item : pick_items(request))
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
}

INT_PTR CALLBACK pick_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (keep_focus(pick_focus, dialog, message, wparam)) return TRUE;
    auto* session = reinterpret_cast<PickSession*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        session = reinterpret_cast<PickSession*>(lparam);
        SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        open_pick_dialog = dialog;
        const PickFonts& fonts = *session->fonts;
        set_font(dialog, IdTitle, fonts.title);
        set_font(dialog, IdPrompt, fonts.prompt);
        set_font(dialog, IdEnter, fonts.button);
        set_font(dialog, IdCancel, fonts.button);
        set_font(dialog, IdList, fonts.title);
        set_font(dialog, IdChoose, fonts.title);
        fill_list(dialog, *session->request);
        SetFocus(GetDlgItem(dialog, IdList));
        return FALSE; // the focus is set
    }
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IdEnter:
        case IDOK: // the Enter key
            session->result = selected_number(dialog);
            EndDialog(dialog, 0);
            return TRUE;
        case IdCancel:
        case IDCANCEL: // the Escape key
            session->result = PickCancelled;
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

} // namespace

int32_t show_pick_dialog(HWND owner, const PickRequest& request) {
    DialogTemplate t(L"Enter number", {215, 87, 246, 267});
    t.add_static(IdTitle, L"What we are entering", {20, 15, 180, 15});
    t.add_static(IdPrompt, widen(request.prompt), {20, 35, 180, 40});
    t.add_button(IdEnter, L"Enter", {140, 110, 90, 60});
    t.add_button(IdCancel, L"Cancel", {140, 175, 90, 60});
    t.add_listbox(IdList, {15, 110, 95, 130}, LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER);
    t.add_static(IdChoose, L"Choose number", {15, 85, 95, 20});

    PickFonts fonts;
    PickSession session{&request, &fonts, PickCancelled};
    pick_focus = {};
    run_dialog(t, owner, pick_proc, reinterpret_cast<LPARAM>(&session));
    open_pick_dialog = nullptr;
    return session.result;
}

HWND pick_dialog_window() { return open_pick_dialog; }

} // namespace lotto::win
