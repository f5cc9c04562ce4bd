#include "tests/gui/viewer_checks.h"

#include "tests/gui/driver.h"
#include "tests/gui/layout.h"

#include <algorithm>

namespace gui {

namespace {

const Box viewer_boxes[] = {
    {1907, 10, 10, 200, 290},  {1730, 260, 20, 70, 40},   {1735, 260, 70, 70, 40},
    {1908, 260, 120, 70, 40},  {1736, 240, 265, 105, 15}, {1737, 225, 230, 140, 15},
    {1738, 225, 245, 135, 15}, {1739, 225, 275, 135, 15}, {1740, 265, 295, 60, 15},
    {1741, 225, 310, 135, 15}, {1731, 10, 310, 90, 20},   {1732, 120, 310, 90, 20},
    {1733, 10, 290, 90, 20},   {1734, 120, 290, 90, 20},
};

struct Caption {
    int id;
    const char* text;
};

const Caption viewer_captions[] = {
    {1730, "End view"},
    {1735, "to txt file"},
    {1731, "Page down (-)"},
    {1732, "Page up (+)"},
    {1733, "First page"},
    {1734, "Last page"},
    {1908, "Couning numbers"},
    {1736, "Total number of pages"},
    {1737, "Total number of combinations"},
    {1740, "Current page"},
};

} // namespace

void expect_viewer_frame(HWND main, HWND viewer, uint32_t count) {
    expect_dialog_box(viewer, main, 70, 70, 382, 336);
    expect_boxes(viewer, viewer_boxes);
    for (const Caption& c : viewer_captions)
        expect_text(item_text(viewer, c.id), c.text, "viewer control " + std::to_string(c.id));
    expect_text(item_text(viewer, 1738), std::to_string(count), "viewer count label 1738");
    expect_text(item_text(viewer, 1739), std::to_string(count / 1000 + 1),
                "viewer page count label 1739");
    check((GetWindowLongW(viewer, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0,
          "the viewer lets the dialog manager tab into its controls");
    check((GetWindowLongW(viewer, GWL_STYLE) & WS_SYSMENU) == 0, "the viewer has no close box");
    const LONG list = GetWindowLongW(item(viewer, 1907), GWL_STYLE);
    check((list & LBS_SORT) == 0, "the viewer list keeps its lines in the order added");
    check((list & LBS_NOSEL) != 0, "the viewer list allows no selection");
    // The list box hides its scroll bar (and drops the style) while all its lines fit.
    if (list_count(item(viewer, 1907)) > 100)
        check((list & WS_VSCROLL) != 0, "the viewer list has a vertical scroll bar");
    for (int id : {1738, 1739, 1741})
        expect_int(GetWindowLongW(item(viewer, id), GWL_STYLE) & SS_TYPEMASK, SS_CENTER,
                   "viewer label " + std::to_string(id) + " is centred");
    expect_font(item(viewer, 1907), {"MS Sans Serif", 12, false, false, 238}, "viewer list");
    expect_font(item(viewer, 1737), {"MS Sans Serif", 10, true, false, 1}, "viewer label 1737");
    expect_font(item(viewer, 1738), {"MS Sans Serif", 12, true, false, 238}, "viewer value 1738");
    expect_font(item(viewer, 1730), {"MS Sans Serif", 8, true, false, -1}, "\"End view\"");
}

void expect_page(HWND viewer, uint32_t page, uint32_t count, const RecordAt& record) {
    const std::string where = "viewer page " + std::to_string(page);
    expect_text(item_text(viewer, 1741), std::to_string(page), where + ": label 1741");
    const uint32_t first = 1000 * (page - 1) + 1;
    const uint32_t last = std::min(first + 999, count);
    HWND list = item(viewer, 1907);
    const int lines = list_count(list);
    expect_int(lines, last >= first ? last - first + 1 : 0, where + ": number of lines");
    if (lines == 0) return;
    // The first and last lines, and a few between, hold the records they are numbered by.
    const int probes[] = {0, 1, lines / 2, lines - 2, lines - 1};
    for (int i : probes) {
        if (i < 0 || i >= lines) continue;
        const uint32_t n = first + static_cast<uint32_t>(i);
        expect_text(list_line(list, i), viewer_line(n, record(n)),
                    where + ": line " + std::to_string(i + 1));
    }
}

void navigate(HWND viewer, int button, uint32_t page, uint32_t count, const RecordAt& record) {
    // A button that cannot move leaves even the list alone: a redrawn list would lose its
    // scroll position.
    const bool stays = item_text(viewer, 1741) == std::to_string(page);
    HWND list = item(viewer, 1907);
    const bool scrollable = list_count(list) > 100;
    constexpr int ScrolledTo = 50;
    if (stays && scrollable) set_top_line(list, ScrolledTo);
    click(viewer, button);
    sync();
    wait_until([viewer] { return IsWindowEnabled(viewer) != 0; },
               "the viewer is enabled again after button " + std::to_string(button));
    expect_page(viewer, page, count, record);
    if (stays && scrollable)
        expect_int(top_line(list), ScrolledTo,
                   "top line of the list after button " + std::to_string(button) +
                       ", which could not move");
}

} // namespace gui
