// The Info dialog and the main window as start-up shows them, and the ways the main window
// does and does not close.
#include "app/catalogue.h"
#include "app/win32/app_state.h"
#include "engine/lotto739.h"
#include "tests/gui/driver.h"
#include "tests/gui/layout.h"
#include "tests/gui/main_window_layout.h"
#include "tests/gui/scenarios.h"
#include "tests/gui/steps.h"

#include <vector>

namespace gui {

namespace {

struct Text {
    int id;
    const char* text; // nullptr: worded freely, only required to be there
};

const Text info_texts[] = {
    {1700, "Thank You for using our software"},
    {1701, nullptr},
    {1703, "In this application all filtering functions are staticly linked for demonstration "
           "only, but you will find all of them here."},
    {1704, "As you will see there are 64 options that you can set for filtering combinations."},
    {1705, "Please, read this first"},
    {1706, "Library is very small, compact, professionaly writen and fast. Size is 30KB only."},
    {1707, nullptr},
    {1708, nullptr},
    {1709, nullptr},
    {1710, nullptr},
    {1711, nullptr},
    {1712, "This is WIN32 application and you can execute it under Windows 2000, Windows XP, "
           "Windows 2003, Windows Vista, Windows 7 and latter"},
    {1713, "You will need PC with MMX and SSE 2.0 support, sorry about that but  we beliave "
           "that this condition is not so hard to satisfy these days."},
    {1714, nullptr},
    {1715, "Enjoy"},
    {1716, nullptr},
    {1720, "Continue"},
};

const Box info_boxes[] = {
    {1700, 20, 10, 245, 20},  {1701, 20, 50, 295, 10},  {1703, 20, 60, 355, 10},
    {1704, 20, 70, 355, 10},  {1705, 20, 30, 120, 15},  {1706, 20, 80, 280, 10},
    {1707, 20, 90, 350, 10},  {1708, 20, 100, 350, 20}, {1709, 20, 120, 350, 25},
    {1710, 20, 150, 330, 20}, {1711, 20, 170, 330, 10}, {1712, 20, 185, 330, 15},
    {1713, 20, 205, 330, 15}, {1714, 20, 230, 300, 10}, {1715, 20, 245, 300, 10},
    {1716, 20, 260, 300, 10}, {1720, 325, 235, 60, 35},
};

const FontSpec dialog_font{"MS Sans Serif", 8, true, false, -1};

void expect_fixed_frame(HWND dialog) {
    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    const std::string name = quoted(caption_of(dialog));
    check((style & WS_CAPTION) == WS_CAPTION, name + " has a title bar");
    check((style & WS_SYSMENU) == 0, name + " has no system menu and so no close box");
    check((style & DS_MODALFRAME) != 0, name + " has a modal frame");
}

void check_info(HWND info) {
    check(find_window(MainCaption) == nullptr, "the main window is not shown before \"Continue\"");
    check(owner_of(info) == nullptr, "the Info dialog has no owner");
    check(lotto::win::app_state().main_window == info,
          "the Info dialog's handle is kept where the main window handle goes later");
    expect_fixed_frame(info);
    expect_dialog_box(info, nullptr, 165, 62, 393, 290);
    expect_font(info, dialog_font, "Info dialog");
    for (const Text& t : info_texts) {
        const std::string found = item_text(info, t.id);
        if (t.text)
            expect_text(found, t.text, "Info text " + std::to_string(t.id));
        else
            check(!found.empty(), "Info text " + std::to_string(t.id) + " is not empty");
    }
    expect_boxes(info, info_boxes);
    std::vector<int> order;
    for (HWND c = GetWindow(info, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(c));
    for (size_t i = 0; i < std::size(info_texts); ++i)
        expect_int(i < order.size() ? order[i] : -1, info_texts[i].id,
                   "Info control number " + std::to_string(i + 1) + " in creation order");
    expect_font(item(info, 1700), {"Arial Black", 14, true, false, 238}, "Info heading 1700");
    expect_font(item(info, 1705), {"MS Sans Serif", 14, false, false, 238},
                "Info sub-heading 1705");
    expect_font(item(info, 1703), dialog_font, "Info text 1703");
    expect_font(item(info, 1720), dialog_font, "\"Continue\"");
}

void check_main_controls(HWND main) {
    const auto& s = lotto::win::app_state();
    check(s.main_window == main, "the main window handle is kept in the application state");
    check(owner_of(main) == nullptr, "the main window has no owner");
    expect_fixed_frame(main);
    expect_dialog_box(main, nullptr, 7, 13, 670, 408);
    expect_font(main, dialog_font, "main window");

    const std::vector<Control> controls = main_window_controls();
    int parameter_buttons = 0;
    for (const Control& c : controls) {
        const std::string name = "main window control " + std::to_string(c.box.id);
        expect_box(main, c.box);
        expect_text(item_text(main, c.box.id), c.caption, name + " caption");
        const LONG style = GetWindowLongW(item(main, c.box.id), GWL_STYLE);
        const LONG type = style & BS_TYPEMASK;
        if (c.kind == Kind::CheckBox) {
            expect_int(type, BS_AUTOCHECKBOX, name + " is an automatic check box");
            check(!is_checked(main, c.box.id), name + " starts clear");
            expect_font(item(main, c.box.id), {"MS Sans Serif", 6, false, false, -1}, name);
        } else if (c.kind == Kind::Banner) {
            expect_int(style & SS_TYPEMASK, SS_LEFT, name + " is a left-aligned static text");
            expect_font(item(main, c.box.id), {"MS Sans Serif", 14, true, false, -1}, name);
        } else {
            expect_int(type, BS_PUSHBUTTON, name + " is a plain push button");
            expect_font(item(main, c.box.id), dialog_font, name);
            parameter_buttons += c.box.id > 1100 && c.box.id <= 1164;
        }
    }
    expect_int(parameter_buttons, 49, "number of parameter buttons");
    for (int k = 1; k <= 64; ++k)
        if (!filter_has_parameter_button(k))
            check(GetDlgItem(main, 1100 + k) == nullptr,
                  "filter " + std::to_string(k) + " has no parameter button");
    // A few labels verbatim, so that a slip in the catalogue shows here as well.
    expect_text(item_text(main, 1001), "01) Minimum amount of numbers ", "label of filter 1");
    expect_text(item_text(main, 1023), "23) Mimimum 2 numbers groups ", "label of filter 23");
    expect_text(item_text(main, 1042), "42) Minimumu in range D1", "label of filter 42");
    expect_text(item_text(main, 1064), "64) Maximum numbers from 15 el. array",
                "label of filter 64");

    expect_int(static_cast<long long>(s.settings.active), 0, "active-filter mask at start-up");
    for (int k = 1; k <= 64; ++k)
        expect_int(s.settings.params[static_cast<size_t>(k - 1)], 0,
                   "parameter of filter " + std::to_string(k) + " at start-up");
    const int defaults[10][2] = {{1, 9},   {1, 9},   {10, 19}, {10, 19}, {20, 29},
                                 {20, 29}, {30, 35}, {30, 35}, {36, 39}, {36, 39}};
    for (int r = 0; r < 10; ++r) {
        expect_int(s.settings.effective[static_cast<size_t>(r)].start, defaults[r][0],
                   "start of range " + std::to_string(r + 1));
        expect_int(s.settings.effective[static_cast<size_t>(r)].end, defaults[r][1],
                   "end of range " + std::to_string(r + 1));
    }
    expect_int(static_cast<long long>(s.settings.array7_mask | s.settings.array15_mask), 0,
               "chosen arrays at start-up");
    expect_int(s.stored_count, 0, "stored count at start-up");
}

} // namespace

void startup_scenario() {
    HWND info = wait_window(InfoCaption);
    check_info(info);
    note("Info dialog: texts, rectangles, fonts");
    click(info, 1720);
    wait_gone(info, "the Info dialog closes on \"Continue\"");
    HWND main = wait_window(MainCaption);
    check(!IsWindow(info), "the Info dialog is destroyed once the main window is up");
    check_main_controls(main);
    note("main window: " + std::to_string(main_window_controls().size()) +
         " controls with their captions, rectangles and fonts");
    quit(main);
}

void quit_scenario() {
    HWND main = pass_info();
    HWND box = item(main, 1001);
    post_key(box, VK_ESCAPE);
    PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    sync();
    check(IsWindow(main) && IsWindowVisible(main), "Escape does not close the main window");
    check(find_window(MainCaption) == main, "the main window is still up after Escape");
    quit(main);
}

} // namespace gui
