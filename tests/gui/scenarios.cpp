// The scenarios, one per process run: each drives the real program from its start-up and ends
// by quitting it (or fails and ends the process).
#include "app/catalogue.h"
#include "app/win32/application.h"
#include "tests/gui/driver.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

namespace gui {
namespace {

constexpr uint32_t Full = 15380937;
constexpr int PageDown = 1731, PageUp = 1732, FirstPage = 1733, LastPage = 1734;
const lotto::Settings& settings() { return lotto::win::app_state().settings; }
using i64 = long long;
i64 bits(int first, int last) { return ((2LL << (last - first)) - 1) << (first - 1); }

// ---- start-up: the Info dialog, the main window's controls, check boxes, keys, "Quit" ----

// clang-format off
const Box info_boxes[] = {
    {1700, 20, 10, 245, 20, "Thank You for using our software"},
    {1703, 20, 60, 355, 10, "In this application all filtering functions are staticly linked for "
                            "demonstration only, but you will find all of them here."},
    {1704, 20, 70, 355, 10,
     "As you will see there are 64 options that you can set for filtering combinations."},
    {1705, 20, 30, 120, 15, "Please, read this first"},
    {1706, 20, 80, 280, 10,
     "Library is very small, compact, professionaly writen and fast. Size is 30KB only."},
    {1712, 20, 185, 330, 15, "This is WIN32 application and you can execute it under Windows "
                             "2000, Windows XP, Windows 2003, Windows Vista, Windows 7 and latter"},
    {1713, 20, 205, 330, 15, "You will need PC with MMX and SSE 2.0 support, sorry about that but "
                             " we beliave that this condition is not so hard to satisfy these days."},
    {1715, 20, 245, 300, 10, "Enjoy"}, {1720, 325, 235, 60, 35, "Continue"},
    {1701, 20, 50, 295, 10}, {1707, 20, 90, 350, 10}, {1708, 20, 100, 350, 20},
    {1709, 20, 120, 350, 25}, {1710, 20, 150, 330, 20}, {1711, 20, 170, 330, 10},
    {1714, 20, 230, 300, 10}, {1716, 20, 260, 300, 10},
};
const Box viewer_boxes[] = {
    {1730, 260, 20, 70, 40, "End view"}, {1735, 260, 70, 70, 40, "to txt file"},
    {1908, 260, 120, 70, 40, "Couning numbers"}, {1736, 240, 265, 105, 15, "Total number of pages"},
    {1737, 225, 230, 140, 15, "Total number of combinations"}, {1740, 265, 295, 60, 15, "Current page"},
    {1731, 10, 310, 90, 20, "Page down (-)"}, {1732, 120, 310, 90, 20, "Page up (+)"},
    {1733, 10, 290, 90, 20, "First page"}, {1734, 120, 290, 90, 20, "Last page"},
    {1907, 10, 10, 200, 290}, {1738, 225, 245, 135, 15}, {1739, 225, 275, 135, 15},
    {1741, 225, 310, 135, 15},
};
// clang-format on

bool has_parameter_button(int k) {
    return k <= 18 || (k >= 21 && k <= 28) || (k >= 32 && k <= 51) || k >= 62;
}

// Every control of the main window at start-up, as the layout tables give them.
std::vector<Box> main_boxes() {
    static constexpr int box_width[65] = {
        0, // check boxes of filters 1..64
        145, 150, 150, 150, 155, 155, 135, 135, 135, 135, 135, 135, 135, 145, 135, 135,
        135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 140, 135,
        135, 155, 175, 100, 100, 95,  100, 95,  100, 95,  100, 95,  100, 125, 125, 125,
        125, 125, 125, 125, 125, 125, 125, 125, 125, 140, 140, 140, 140, 130, 130, 130};
    static constexpr int box_x[] = {20, 245, 495}, button_x[] = {175, 440, 630};
    static constexpr int range_low[] = {1, 10, 20, 30, 36}, range_high[] = {9, 19, 29, 35, 39};
    // clang-format off
    std::vector<Box> boxes = {{1203, 495, 355, 135, 20, "Quit", BS_PUSHBUTTON},
        {1202, 495, 335, 135, 20, "Count and store", BS_PUSHBUTTON},
        {1204, 495, 315, 135, 20, "Turn off all filters", BS_PUSHBUTTON},
        {1179, 35, 385, 610, 20,
         "Tessel lottery 7/39 filtering DEMO application- Quorrel ver. 1.1 July 2012.", SS_LEFT}};
    // clang-format on
    for (int k = 1; k <= 64; ++k) {
        const int column = k <= 25 ? 0 : k <= 50 ? 1 : 2;
        const int y = k <= 62 ? 10 + 15 * (k - 1 - 25 * column) : k == 63 ? 220 : 285;
        boxes.push_back({1000 + k, box_x[column], y, box_width[k], 15,
                         std::string(lotto::filter_label(k)), BS_AUTOCHECKBOX});
        if (has_parameter_button(k))
            boxes.push_back({1100 + k, button_x[column], y, 35, 15, "0", BS_PUSHBUTTON});
    }
    for (int r = 0; r < 20; ++r) // start and end of ranges A1..E2
        boxes.push_back({1361 + 10 * (r / 2) + r % 2, r % 2 ? 395 : 345, 160 + 15 * (r / 2), 35, 15,
                         std::to_string(r % 2 ? range_high[r / 4] : range_low[r / 4]),
                         BS_PUSHBUTTON});
    for (int i = 0; i < 22; ++i) { // positions 1..7 of the 7-element array, 1..15 of the other
        const int j = i < 7 ? i : i - 7;
        boxes.push_back({i < 7 ? 1621 + i : 1624 + i, 505 + 25 * (j % 5),
                         (i < 7 ? 190 : 235) + 15 * (j / 5), 25, 15, "0", BS_PUSHBUTTON});
    }
    return boxes;
}

// The active-filter mask is want and every check box shows its bit of it.
void expect_filters(HWND main, uint64_t want, Text what) {
    expect(i64(settings().active), i64(want), what);
    for (int k = 1; k <= 64; ++k)
        expect(send(item(main, 1000 + k), BM_GETCHECK), (want >> (k - 1)) & 1,
               what + format(": box %d", k));
}

void startup_scenario() {
    HWND main = pass_info([](HWND info) {
        const bool kept = lotto::win::app_state().main_window == info;
        check(!find_window(MainCaption) && !GetWindow(info, GW_OWNER) && kept, "Info first");
        expect_dialog_box(info, nullptr, 165, 62, 393, 290);
        expect_boxes(info, info_boxes);
        for (const Box& b : info_boxes) // the freely worded ones as well
            check(!item_text(info, b.id).empty(), "Info text " + std::to_string(b.id));
    });
    check(GetWindow(main, GW_OWNER) == nullptr, "the main window has no owner");
    expect_dialog_box(main, nullptr, 7, 13, 670, 408);
    expect_boxes(main, main_boxes());
    for (int k = 1; k <= 64; ++k)
        check(has_parameter_button(k) == !!GetDlgItem(main, 1100 + k), format("button 11%02d", k));

    // Check boxes switch their filters at once and open nothing.
    expect_filters(main, 0, "at start-up");
    uint64_t want = 0;
    for (int k : {7, 7, 28, 1, 19, 35, 50, 51, 64}) {
        click(main, 1000 + k, true);
        want ^= uint64_t{1} << (k - 1);
        expect_filters(main, want, "after clicking box " + std::to_string(k));
    }
    check(find_window("Enter number") == nullptr, "a check box opens no dialog");
    expect(item_text(main, 1128), "0", "parameter button of filter 28 after its box");
    // A parameter picked while the box is clear is in force as soon as the box is checked.
    finish_pick(main, open_pick(main, 1103), 7, Enter);
    expect_filters(main, want, "a pick does not switch its filter on");
    click(main, 1003, true);
    expect_filters(main, want | 4, "box 3 checked after picking 7");
    const std::string notify = "We store combinations  in file kvx7_00000036\\.txt in "
                               "(0|[1-9][0-9]*)\\.[0-9]{3} seconds";
    for (int round = 1; round <= 2; ++round) {
        click(main, 1204, true);
        expect_filters(main, 0, "\"Turn off all filters\" number " + std::to_string(round));
        expect(item_text(main, 1103), "7", "parameter caption kept by \"Turn off all\"");
        expect(settings().params[2], 7, "parameter kept by \"Turn off all filters\"");
    }
    post_key(item(main, 1001), VK_ESCAPE);
    PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    sync();
    check(find_window(MainCaption) == main, "Escape does not close the main window");
    close_with(main, 1203);
}

// ---- the pick dialog behind every parameter, range and array button ----

// clang-format off
const Box pick_boxes[] = {{1901, 20, 15, 180, 15, "What we are entering"}, {1902, 20, 35, 180, 40},
    {1903, 140, 110, 90, 60, "Enter"}, {1904, 140, 175, 90, 60, "Cancel"},
    {1905, 15, 110, 95, 130}, {1906, 15, 85, 95, 20, "Choose number"}};
const Box stat_boxes[] = {{1901, 20, 15, 200, 15, "Stat of numbers in combinations"},
    {1909, 140, 175, 90, 60, "Cancel"}, {1910, 15, 110, 115, 130}};
// clang-format on

// What a pick of the button stored, and the mask it feeds: the active-filter mask for a
// parameter, the range's mask, or the array's mask.
std::pair<i64, i64> stored(int button) {
    const lotto::Settings& s = settings();
    const size_t r = size_t(button - 1361) / 10; // the range of a range button
    if (button < 1200) return {s.params[button - 1101], i64(s.active)};
    if (button < 1600)
        return {button % 10 == 1 ? s.entered[r].start : s.entered[r].end, i64(s.range_masks[r])};
    if (button < 1630) return {s.array7[button - 1621], i64(s.array7_mask)};
    return {s.array15[button - 1631], i64(s.array15_mask)};
}

void pick_scenario() {
    // The prompt (nullptr: the list is not looked at) and lines of the list, the line picked and
    // how, the button's caption afterwards, the value stored and the mask it feeds.
    // clang-format off
    static const struct { int button; const char* prompt; int lowest, highest, index, how;
                          const char* caption; i64 value, mask; } steps[] = {
        {1101, "01) Minimum amount of numbers ", 0, 252, 7, Enter, "7", 7, 0}, // filter stays off
        {1101, "01) Minimum amount of numbers ", 0, 252, 200, Cancel, "7", 7, 0},
        {1101, nullptr, 0, 0, NoSelection, Enter, "0", 0, 0},
        {1128, "28) Maximum 4+ numbers groups", 0, 1, 1, Enter, "1", 1, 0},
        {1134, "34) Maximum the same differences", 0, 6, 6, Enter, "6", 6, 0},
        {1103, "03) Minimum even numbers ", 0, 7, 3, VK_RETURN, "3", 3, 0},
        {1103, nullptr, 0, 0, 5, VK_ESCAPE, "3", 3, 0},
        {1361, "Range A1 minimum start", 1, 39, 19, Enter, "20", 20, bits(1, 9)}, // above end 9
        {1362, "Range A1 mminimum end", 1, 39, 24, Enter, "25", 25, bits(20, 25)},
        {1362, nullptr, 0, 0, 2, Cancel, "25", 25, bits(20, 25)},
        {1451, "Range E2 minimum start", 1, 39, NoSelection, Enter, "0", 0, bits(36, 39)},
        {1621, "Range R7 number 1", 0, 39, 12, Enter, "12", 12, bits(12, 12)},
        {1625, "Range R7 number 5", 0, 39, 12, Enter, "12", 12, bits(12, 12)},
        {1645, "Numbers in 15 elements array, element number:15", 0, 39, 5, Enter, "5", 5, bits(5, 5)},
        {1645, nullptr, 0, 0, 0, Enter, "0", 0, 0}, // line 000 empties the position
        {1631, "Numbers in 15 elements array, element number:1", 0, 39, 39, Cancel, "0", 0, 0},
    };
    // clang-format on
    HWND main = pass_info();
    for (const auto& s : steps) {
        const std::string what = format("pick step %d: ", int(&s - steps + 1));
        HWND pick = open_pick(main, s.button), list = item(pick, 1905);
        expect_dialog_box(pick, main, 215, 87, 246, 267);
        expect_boxes(pick, pick_boxes);
        if (s.prompt) {
            expect(item_text(pick, 1902), s.prompt, what + "prompt");
            const int n = list_count(list);
            expect(n, s.highest - s.lowest + 1, what + "lines in the list");
            expect(list_line(list, 0), format("%03d", s.lowest), what + "first line");
            expect(list_line(list, n - 1), format("%03d", s.highest), what + "last line");
            expect(send(list, LB_GETCURSEL), LB_ERR, what + "no line selected at first");
            wait_until([list] { return focus_window() == list; }, what + "the list has the focus");
        }
        finish_pick(main, pick, s.index, s.how);
        expect(item_text(main, s.button), s.caption, what + "caption afterwards");
        const auto [value, mask] = stored(s.button);
        expect(value, s.value, what + "value stored");
        expect(mask, s.mask, what + "mask");
        wait_until([&] { return focus_window() == item(main, s.button); }, what + "focus back");
    }
    close_with(main, 1203);
}

// ---- the combination viewer, its pages and the number statistics over it ----

// The viewer shows page `page` of the full system (or of nothing): label and page lines, and
// the first and last of them hold the records they are numbered by.
void expect_page(HWND viewer, uint32_t page, uint32_t count) {
    static const std::map<uint32_t, std::string> edges = [] { // lines that begin or end a page
        std::map<uint32_t, std::string> lines;
        uint32_t n = 0;
        for_each_combination([&](const Combination& c) {
            if (++n % 1000 <= 1 || n == Full)
                lines[n] = format("%08u=%02d,%02d,%02d,%02d,%02d,%02d,%02d,", n, c[0], c[1], c[2],
                                  c[3], c[4], c[5], c[6]);
        });
        return lines;
    }();
    const std::string where = format("viewer page %u: ", page);
    expect(item_text(viewer, 1741), std::to_string(page), where + "label 1741");
    const uint32_t first = 1000 * (page - 1) + 1, last = std::min(first + 999, count);
    HWND list = item(viewer, 1907);
    expect(list_count(list), last >= first ? last - first + 1 : 0, where + "number of lines");
    for (const uint32_t n : {first, last})
        if (last >= first) expect(list_line(list, int(n - first)), edges.at(n), where + "a line");
}

// Clicks a navigation button and checks the page shown afterwards. A button that cannot move
// leaves even the list alone: a redrawn list would lose its scroll position.
void navigate(HWND viewer, int button, uint32_t page, uint32_t count) {
    HWND list = item(viewer, 1907);
    const bool stays = item_text(viewer, 1741) == std::to_string(page) && list_count(list) > 100;
    if (stays) send(list, LB_SETTOPINDEX, 50);
    click(viewer, button, true);
    wait_until([viewer] { return IsWindowEnabled(viewer) != 0; }, "the viewer is enabled again");
    expect_page(viewer, page, count);
    if (stays) expect(send(list, LB_GETTOPINDEX), 50, format("top line after %d", button));
}

// Opens "Stat of numbers" over the viewer, checks that it lists "0002760681=01" lines, least
// frequent first, for the non-zero counts of numbers 1..39 and closes it with "Cancel".
void check_statistics(HWND main, HWND viewer, uint32_t count, const std::array<uint32_t, 40>& of) {
    std::vector<std::string> want;
    for (int n = 1; n <= 39; ++n)
        if (of[n] != 0) want.push_back(format("%010u=%02d", of[n], n));
    std::sort(want.begin(), want.end());
    click(viewer, 1908);
    HWND stat = wait_owned("Stat of numbers", viewer, LongWaitMs);
    shot("statistics", stat);
    check(!IsWindowEnabled(main), "the statistics leave the main window disabled");
    expect_dialog_box(stat, main, 215, 87, 246, 267);
    expect_boxes(stat, stat_boxes);
    // Two labels share ID 1902: the count and the time the count took.
    HWND count_label = item(stat, 1902), timing_label = count_label;
    do timing_label = GetWindow(timing_label, GW_HWNDNEXT);
    while (timing_label && GetDlgCtrlID(timing_label) != 1902);
    expect_box(stat, count_label, {1902, 20, 35, 180, 40, std::to_string(count) + " combinations"});
    expect_box(stat, timing_label, {1902, 20, 55, 220, 40});
    expect_match(text(timing_label), "Counting done in " + Seconds + " seconds", "timing label");
    HWND list = item(stat, 1910);
    expect(list_count(list), i64(want.size()), "statistics lines");
    for (int i = 0; i < int(want.size()); ++i)
        expect(list_line(list, i), want[i], "statistics line");
    close_with(stat, 1909, viewer);
    check(find_window("View combinations") == viewer && !IsWindowEnabled(main), "viewer stays");
    expect_focus(viewer, 1908, "the focus after the statistics");
}

// The viewer after a count (its report closed with close, if given): its frame, labels and
// first page.
HWND count_into_viewer(HWND main, uint32_t count,
                       const std::function<void(HWND report)>& close = {}) {
    HWND viewer = count_and_store(main, count, close);
    expect_dialog_box(viewer, main, 70, 70, 382, 336);
    expect_boxes(viewer, viewer_boxes);
    expect(item_text(viewer, 1738), std::to_string(count), "viewer count label");
    expect(item_text(viewer, 1739), std::to_string(count / 1000 + 1), "viewer page count");
    expect_page(viewer, 1, count);
    return viewer;
}

void viewer_scenario() {
    HWND main = pass_info(), viewer = count_into_viewer(main, Full), list = item(viewer, 1907);
    expect(list_line(list, 0), "00000001=01,02,03,04,05,06,07,", "first line");
    // clang-format off
    static constexpr std::pair<int, uint32_t> steps[] = { // button, page shown afterwards
        {PageDown, 1}, {FirstPage, 1}, {PageUp, 2}, {PageUp, 3}, {PageDown, 2}, {FirstPage, 1},
        {LastPage, 15381}, {PageUp, 15381}, {LastPage, 15381}, {PageDown, 15380}, {LastPage, 15381}};
    // clang-format on
    for (const auto& [button, page] : steps) navigate(viewer, button, page, Full);
    expect(list_count(list), 937, "lines on the last page of the full system");
    expect(list_line(list, 936), "15380937=33,34,35,36,37,38,39,", "last line");
    std::array<uint32_t, 40> counts{};
    counts.fill(2760681);
    check_statistics(main, viewer, Full, counts);
    check_statistics(main, viewer, Full, counts); // a second count starts from zero
    close_with(viewer, 1730, main);
    expect_focus(main, 1202, "the focus after the viewer");
    // Filter 7 with its parameter 0 keeps nothing: a new run starts at page 1, one empty page
    // that no button leaves. The user's click on box 7 reaches the main window; the clicks on
    // "Quit", "Count and store" and box 1 while the count report is up do not.
    // The click goes to whatever lies under the pointer: first the closed viewer has to be gone
    // from the screen there.
    const HWND box7 = item(main, 1007);
    wait_until(
        [box7] {
            RECT r{};
            GetWindowRect(box7, &r);
            return WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) == box7;
        },
        "box 7 under the pointer once the viewer is closed");
    // Under Wine a click can still be lost to the closed viewer's window a moment after it left
    // the screen: one not taken within four seconds is given once more.
    const auto box7_on = [] { return i64(settings().active) == bits(7, 7); };
    for (int attempt = 0; attempt < 2 && !box7_on(); ++attempt) {
        user_click(box7);
        for (const ULONGLONG end = GetTickCount64() + 4000; !box7_on() && GetTickCount64() < end;)
            Sleep(10);
    }
    wait_until(box7_on, "a user's click on box 7");
    viewer = count_into_viewer(main, 0, [main](HWND report) {
        RECT box{}, window{}, both{};
        SetWindowPos(report, nullptr, 1250, 950, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetWindowRect(report, &box), GetWindowRect(main, &window);
        check(!IntersectRect(&both, &box, &window), "the report moved off the main window");
        for (int id : {1203, 1202, 1001}) user_click(item(main, id));
        user_key(VK_RETURN); // OK, taken after the clicks before it
        wait_closed(report, nullptr, "the report closes on the user's Enter");
    });
    check(find_window(MainCaption) == main && !find_window("Info"), "no \"Quit\", no second run");
    expect_filters(main, bits(7, 7), "the check boxes after the clicks under the report");
    for (int button : {PageDown, PageUp, FirstPage, LastPage}) navigate(viewer, button, 1, 0);
    close_with(viewer, 1730, main);
    expect_focus(main, 1202, "the focus after the second viewer");

    close_with(main, 1203);
}

// ---- "to txt file": the file it writes, and an export whose file cannot be created ----

void export_scenario() {
    const char* const file = "kvx7_00000036.txt";
    RemoveDirectoryA(file); // left by an earlier run that failed
    // Filter 32 with parameter 6: neighbours at least 6 apart, so that 4..6 and 34..36 never
    // occur and the others each their own number of times.
    std::string want;
    std::array<uint32_t, 40> counts{};
    for_each_combination([&](const Combination& c) {
        for (size_t i = 1; i < c.size(); ++i)
            if (c[i] - c[i - 1] < 6) return;
        for (int n : c) ++counts[static_cast<size_t>(n)];
        for (size_t i = 0; i < c.size(); ++i) want += format(i ? ", %02d" : "%02d", c[i]);
        want += "\r\n";
    });
    HWND main = pass_info();
    finish_pick(main, open_pick(main, 1132), 6, Enter);
    click(main, 1032, true);
    HWND viewer = count_and_store(main, 36), list = item(viewer, 1907);
    expect(list_line(list, 35), "00000036=03,09,15,21,27,33,39,", "last viewer line");
    check_statistics(main, viewer, 36, counts);
    const std::string notify = "We store combinations  in file kvx7_00000036\\.txt in "
                               "(0|[1-9][0-9]*)\\.[0-9]{3} seconds";
    std::ofstream(file, std::ios::binary) << "an earlier export"; // replaced by the first
    for (int round = 1; round <= 2; ++round) { // the second export replaces the first file
        click(viewer, 1735);
        HWND box = wait_window("Notify");
        check(GetDlgItem(box, IDCANCEL) == nullptr, "\"Notify\" has an OK button only");
        expect_match(item_text(box, MessageTextId), notify, "\"Notify\" text");
        close_with(box, IDOK);
        wait_until([viewer] { return IsWindowEnabled(viewer) != 0; }, "the export ends");
        wait_until([list] { return focus_window() == list; }, "the list has the focus again");
        std::ifstream in(file, std::ios::binary);
        check(std::string(std::istreambuf_iterator<char>(in), {}) == want,
              format("export %d", round));
    }
    // A directory in the file's place: an error box, no "Notify", the directory left alone.
    check(DeleteFileA(file) && CreateDirectoryA(file, nullptr), "a directory in the file's place");
    click(viewer, 1735);
    HWND box = nullptr;
    wait_until([&] { return (box = focus_window(true)) && box != viewer; }, "an error box");
    check(caption_of(box) != "Notify", "a failed export does not say \"Notify\"");
    check(item_text(box, MessageTextId).find(file) != std::string::npos, "error names the file");
    close_with(box, IDOK);
    wait_until([&] { return IsWindowEnabled(viewer) || find_window("Notify"); }, "export ends");
    sync();
    check(find_window("Notify") == nullptr, "no \"Notify\" after a failed export");
    const DWORD kept = GetFileAttributesA(file);
    check(kept != INVALID_FILE_ATTRIBUTES && (kept & FILE_ATTRIBUTE_DIRECTORY), "directory kept");
    WIN32_FIND_DATAA found{};
    HANDLE left = FindFirstFileA((std::string(file) + ".tmp-*").c_str(), &found);
    check(left == INVALID_HANDLE_VALUE || (FindClose(left), false), "no temporary file left");
    close_with(viewer, 1730, main);
    close_with(main, 1203);
}

// ---- the export run, stopping at each window for scripts/screenshots.sh ----

void screenshots_scenario() {
    shooting = true;
    export_scenario();
}

} // namespace
} // namespace gui

// lotto739-gui-tests SCENARIO: runs the program's real start-up path on the main thread and
// drives its dialogs from a second thread. Prints "OK SCENARIO" and exits 0 when every check
// held and the program ended with status 0; otherwise prints what failed and exits 1.
int main(int argc, char** argv) {
    using namespace gui;
    // clang-format off
    static constexpr std::pair<const char*, void (*)()> scenarios[] = {
        {"startup", startup_scenario}, {"pick", pick_scenario}, {"viewer", viewer_scenario},
        {"export", export_scenario}, {"screenshots", screenshots_scenario}};
    // clang-format on
    static const auto* chosen =
        std::find_if(std::begin(scenarios), std::end(scenarios),
                     [&](auto& s) { return argc == 2 && std::string(s.first) == argv[1]; });
    if (chosen == std::end(scenarios)) {
        std::printf("usage: lotto739-gui-tests SCENARIO\nscenarios:");
        for (const auto& s : scenarios) std::printf(" %s", s.first);
        return std::printf("\n"), 2;
    }
    install_sync(GetCurrentThreadId());
    auto drive = [](void*) -> DWORD { return chosen->second(), 0; };
    HANDLE driver = CreateThread(nullptr, 0, drive, nullptr, 0, nullptr);
    const int status = lotto::win::run_application(GetModuleHandleW(nullptr));
    if (WaitForSingleObject(driver, 15000) != WAIT_OBJECT_0)
        fail("the program runs until the scenario ends", "done", format("%d first", status));
    expect(status, 0, "exit status of the start-up path after \"Quit\"");
    return std::printf("OK %s\n", chosen->first), 0;
}
