#include "app/win32/info_dialog.h"

#include "app/win32/app_state.h"
#include "app/win32/dialog_template.h"
#include "app/win32/focus_keeping.h"
#include "app/win32/font.h"

namespace lotto::win {

namespace {

enum : int {
    IdHeading = 1700,
    IdSubHeading = 1705,
    IdContinue = 1720,
};

struct InfoText {
    int id;
    DialogRect rect;
    const wchar_t* text;
};

// The texts in creation order; every text starts at x 20.
// clang-format off
const InfoText InfoTexts[] = {
//    id    x    y    w    h
    {1700, { 20,  10, 245,  20}, L"Thank You for using our software"},
    {1701, { 20,  50, 295,  10},
        L"This is the DEMO of the TESSEL FILTERING DLL for pick 7 games with up to 39 numbers."},
    {1703, { 20,  60, 355,  10},
        L"In this application all filtering functions are staticly linked for demonstration only, "
        L"but you will find all of them here."},
    {1704, { 20,  70, 355,  10},
        L"As you will see there are 64 options that you can set for filtering combinations."},
    {1705, { 20,  30, 120,  15}, L"Please, read this first"},
    {1706, { 20,  80, 280,  10},
        L"Library is very small, compact, professionaly writen and fast. "
        L"Size is 30KB only."},
    {1707, { 20,  90, 350,  10},
        L"Every function was written by hand and tuned for the highest possible speed."},
    {1708, { 20, 100, 350,  20},
        L"The library is really fast: on a 2 GHz PC any set of conditions over all 15380937 "
        L"combinations is done in less than one second."},
    {1709, { 20, 120, 350,  25},
        L"You control all options yourself. We offer the library as the largest and fastest "
        L"solution of its kind, possibly the only one in library form that you can use in your "
        L"own lottery applications."},
    {1710, { 20, 150, 330,  20},
        L"The library can be changed to support pick-5 or pick-6 games, which makes it even "
        L"faster."},
    {1711, { 20, 170, 330,  10},
        L"This is a free demonstration application and anyone may use it."},
    {1712, { 20, 185, 330,  15},
        L"This is WIN32 application and you can execute it under Windows 2000, Windows XP, "
        L"Windows 2003, Windows Vista, Windows 7 and latter"},
    {1713, { 20, 205, 330,  15},
        L"You will need PC with MMX and SSE 2.0 support, sorry about that but  we beliave that "
        L"this condition is not so hard to satisfy these days."},
    {1714, { 20, 230, 300,  10},
        L"Software developers can obtain the library, with or without source code, from us."},
    {1715, { 20, 245, 300,  10}, L"Enjoy"},
    {1716, { 20, 260, 300,  10}, L"https://lotto739.example.org"},
};
// clang-format on

struct InfoFonts {
    Font heading{L"Arial Black", 14, FW_BOLD, EASTEUROPE_CHARSET};
    Font sub_heading{L"MS Sans Serif", 14, FW_NORMAL, EASTEUROPE_CHARSET};
};

FocusKeeper info_focus;

INT_PTR CALLBACK info_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    if (keep_focus(info_focus, dialog, message, wparam)) return TRUE;
    switch (message) {
    case WM_INITDIALOG: {
        app_state().main_window = dialog;
        const auto* fonts = reinterpret_cast<const InfoFonts*>(lparam);
        set_font(dialog, IdHeading, fonts->heading);
        set_font(dialog, IdSubHeading, fonts->sub_heading);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IdContinue:
            if (HIWORD(wparam) == 0 || HIWORD(wparam) == 1) EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

} // namespace

void show_info_dialog() {
    DialogTemplate t(L"Quorrel", {165, 62, 393, 290});
    for (const InfoText& text : InfoTexts) t.add_static(text.id, text.text, text.rect);
    t.add_button(IdContinue, L"Continue", {325, 235, 60, 35});

    InfoFonts fonts;
    info_focus = {};
    run_dialog(t, nullptr, info_proc, reinterpret_cast<LPARAM>(&fonts));
    app_state().main_window = nullptr;
}

} // namespace lotto::win
