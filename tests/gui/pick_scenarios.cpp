// The pick dialog behind every parameter, range and array button.
#include "app/win32/app_state.h"
#include "tests/gui/driver.h"
#include "tests/gui/layout.h"
#include "tests/gui/scenarios.h"
#include "tests/gui/steps.h"

#include <cstdio>

namespace gui {

namespace {

const Box pick_boxes[] = {
    {1901, 20, 15, 180, 15},  {1902, 20, 35, 180, 40},  {1903, 140, 110, 90, 60},
    {1904, 140, 175, 90, 60}, {1905, 15, 110, 95, 130}, {1906, 15, 85, 95, 20},
};

const lotto::Settings& settings() { return lotto::win::app_state().settings; }

std::string three_digits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

// The dialog as it opens: texts, prompt, the list lowest..highest, no selection, focus on it.
void expect_pick(HWND pick, const std::string& prompt, int lowest, int highest) {
    expect_text(item_text(pick, 1901), "What we are entering", "pick title");
    expect_text(item_text(pick, 1902), prompt, "pick prompt");
    expect_text(item_text(pick, 1906), "Choose number", "pick list title");
    expect_text(item_text(pick, 1903), "Enter", "pick button 1903");
    expect_text(item_text(pick, 1904), "Cancel", "pick button 1904");
    HWND list = item(pick, 1905);
    const auto lines = list_lines(list);
    expect_int(static_cast<long long>(lines.size()), highest - lowest + 1,
               "lines of the list for \"" + prompt + "\"");
    for (int v = lowest; v <= highest; ++v)
        expect_text(lines[static_cast<size_t>(v - lowest)], three_digits(v),
                    "list line " + std::to_string(v - lowest));
    expect_int(list_selection(list), LB_ERR, "no line is selected when the pick dialog opens");
    wait_until([list] { return focus_window() == list; }, "the list box has the keyboard focus");
}

void check_pick_looks(HWND main, HWND pick) {
    expect_dialog_box(pick, main, 215, 87, 246, 267);
    expect_boxes(pick, pick_boxes);
    const FontSpec title{"MS Sans Serif", 14, true, false, -1};
    expect_font(pick, {"MS Sans Serif", 8, true, false, -1}, "pick dialog");
    expect_font(item(pick, 1901), title, "pick title");
    expect_font(item(pick, 1902), {"MS Sans Serif", 10, true, false, -1}, "pick prompt");
    expect_font(item(pick, 1903), {"MS Sans Serif", 14, true, true, -1}, "\"Enter\"");
    expect_font(item(pick, 1904), {"MS Sans Serif", 14, true, true, -1}, "\"Cancel\"");
    expect_font(item(pick, 1905), title, "pick list");
    expect_font(item(pick, 1906), title, "\"Choose number\"");
    const LONG style = GetWindowLongW(item(pick, 1905), GWL_STYLE);
    check((style & LBS_SORT) != 0, "the pick list sorts its lines");
    check((style & WS_VSCROLL) != 0, "the pick list has a vertical scroll bar");
}

void expect_range(int r, int start, int end, const std::string& what) {
    const lotto::Range got = settings().effective[static_cast<size_t>(r - 1)];
    if (got.start != start || got.end != end)
        fail(what + ": effective range " + std::to_string(r),
             std::to_string(start) + ".." + std::to_string(end),
             std::to_string(got.start) + ".." + std::to_string(got.end));
    uint64_t mask = 0;
    for (int n = start; n <= end; ++n) mask |= uint64_t{1} << (n - 1);
    expect_int(static_cast<long long>(settings().range_masks[static_cast<size_t>(r - 1)]),
               static_cast<long long>(mask), what + ": mask of range " + std::to_string(r));
}

void parameter_picks(HWND main) {
    HWND dialog = open_pick(main, 1101);
    check_pick_looks(main, dialog);
    expect_pick(dialog, "01) Minimum amount of numbers ", 0, 252);
    finish_pick(main, dialog, 7, Confirm::EnterButton);
    expect_text(item_text(main, 1101), "7", "caption of 1101 after picking 007");
    expect_int(settings().params[0], 7, "parameter of filter 1");
    expect_int(static_cast<long long>(active_mask()), 0, "a pick leaves the filter off");

    dialog = open_pick(main, 1101);
    expect_pick(dialog, "01) Minimum amount of numbers ", 0, 252);
    finish_pick(main, dialog, 200, Confirm::CancelButton);
    expect_text(item_text(main, 1101), "7", "caption of 1101 after \"Cancel\"");
    expect_int(settings().params[0], 7, "parameter of filter 1 after \"Cancel\"");

    dialog = open_pick(main, 1101);
    finish_pick(main, dialog, NoSelection, Confirm::EnterButton);
    expect_text(item_text(main, 1101), "0", "caption of 1101 after \"Enter\" with no selection");
    expect_int(settings().params[0], 0, "parameter of filter 1 after \"Enter\" with no selection");

    dialog = open_pick(main, 1128);
    expect_pick(dialog, "28) Maximum 4+ numbers groups", 0, 1);
    finish_pick(main, dialog, 1, Confirm::EnterButton);
    expect_text(item_text(main, 1128), "1", "caption of 1128");
    expect_int(settings().params[27], 1, "parameter of filter 28");

    dialog = open_pick(main, 1134); // filter 34, highest offered value 6
    expect_pick(dialog, "34) Maximum the same differences", 0, 6);
    finish_pick(main, dialog, 6, Confirm::EnterButton);
    expect_text(item_text(main, 1134), "6", "caption of 1134");
    note("parameter picks: Enter, Cancel, Enter with no selection");
}

void key_picks(HWND main) {
    HWND dialog = open_pick(main, 1103);
    expect_pick(dialog, "03) Minimum even numbers ", 0, 7);
    finish_pick(main, dialog, 3, Confirm::EnterKey);
    expect_text(item_text(main, 1103), "3", "caption of 1103 after the Enter key");
    expect_int(settings().params[2], 3, "parameter of filter 3 after the Enter key");

    dialog = open_pick(main, 1103);
    finish_pick(main, dialog, 5, Confirm::EscapeKey);
    expect_text(item_text(main, 1103), "3", "caption of 1103 after the Escape key");
    expect_int(settings().params[2], 3, "parameter of filter 3 after the Escape key");
    note("Enter and Escape keys in the pick dialog");
}

void range_picks(HWND main) {
    HWND dialog = open_pick(main, 1361);
    expect_pick(dialog, "Range A1 minimum start", 1, 39);
    finish_pick(main, dialog, 19, Confirm::EnterButton); // line 19 reads 020
    expect_text(item_text(main, 1361), "20", "caption of the A1 start after picking 20");
    expect_text(item_text(main, 1362), "9", "caption of the A1 end");
    expect_int(settings().entered[0].start, 20, "entered start of A1");
    expect_range(1, 1, 9, "start 20 above end 9 is refused");

    dialog = open_pick(main, 1362);
    expect_pick(dialog, "Range A1 mminimum end", 1, 39);
    finish_pick(main, dialog, 24, Confirm::EnterButton);
    expect_text(item_text(main, 1362), "25", "caption of the A1 end after picking 25");
    expect_range(1, 20, 25, "A1 20..25");

    dialog = open_pick(main, 1362);
    finish_pick(main, dialog, 2, Confirm::CancelButton);
    expect_text(item_text(main, 1362), "25", "caption of the A1 end after \"Cancel\"");
    expect_range(1, 20, 25, "A1 after \"Cancel\"");

    dialog = open_pick(main, 1451);
    expect_pick(dialog, "Range E2 minimum start", 1, 39);
    finish_pick(main, dialog, NoSelection, Confirm::EnterButton);
    expect_text(item_text(main, 1451), "0", "caption of the E2 start after Enter, no selection");
    expect_int(settings().entered[9].start, 0, "entered start of E2");
    expect_range(10, 36, 39, "start 0 is refused");
    note("range picks: refused pair, valid pair, Cancel, start 0");
}

void array_picks(HWND main) {
    HWND dialog = open_pick(main, 1621);
    expect_pick(dialog, "Range R7 number 1", 0, 39);
    finish_pick(main, dialog, 12, Confirm::EnterButton);
    expect_text(item_text(main, 1621), "12", "caption of 7-element position 1");
    dialog = open_pick(main, 1625);
    expect_pick(dialog, "Range R7 number 5", 0, 39);
    finish_pick(main, dialog, 12, Confirm::EnterButton);
    expect_text(item_text(main, 1625), "12", "caption of 7-element position 5");
    expect_int(settings().array7[0], 12, "7-element position 1");
    expect_int(settings().array7[4], 12, "7-element position 5");
    expect_int(static_cast<long long>(settings().array7_mask), 1LL << 11,
               "7-element mask holds 12 once");

    dialog = open_pick(main, 1645);
    expect_pick(dialog, "Numbers in 15 elements array, element number:15", 0, 39);
    finish_pick(main, dialog, 5, Confirm::EnterButton);
    expect_text(item_text(main, 1645), "5", "caption of 15-element position 15");
    expect_int(settings().array15[14], 5, "15-element position 15");
    expect_int(static_cast<long long>(settings().array15_mask), 1LL << 4, "15-element mask");

    dialog = open_pick(main, 1645);
    finish_pick(main, dialog, 0, Confirm::EnterButton); // line 0 reads 000: empty the position
    expect_text(item_text(main, 1645), "0", "caption of 15-element position 15 emptied");
    expect_int(settings().array15[14], 0, "15-element position 15 emptied");
    expect_int(static_cast<long long>(settings().array15_mask), 0, "15-element mask emptied");

    dialog = open_pick(main, 1631);
    expect_pick(dialog, "Numbers in 15 elements array, element number:1", 0, 39);
    finish_pick(main, dialog, 39, Confirm::CancelButton);
    expect_text(item_text(main, 1631), "0", "caption of 15-element position 1 after \"Cancel\"");
    expect_int(static_cast<long long>(settings().array15_mask), 0, "15-element mask after Cancel");
    note("7- and 15-element array picks");
}

// A click gives the button the focus; the pick dialog takes it and, once closed, the main
// window gives it back to that button.
void focus_comes_back(HWND main) {
    HWND button = item(main, 1102);
    pick(main, 1102, NoSelection, Confirm::CancelButton);
    wait_until([button] { return focus_window() == button; },
               "the pressed button 1102 has the focus again after the pick");
    note("the main window gives the focus back after a pick");
}

} // namespace

void pick_scenario() {
    HWND main = pass_info();
    focus_comes_back(main);
    parameter_picks(main);
    key_picks(main);
    range_picks(main);
    array_picks(main);
    quit(main);
}

} // namespace gui
