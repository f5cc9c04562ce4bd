// The scenarios, one per process run: each drives the real program from its start-up and ends
// by quitting it (or fails and ends the process).
#include "app/catalogue.h"
#include "app/win32/app_state.h"
#include "tests/gui/driver.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace gui {

namespace {

constexpr uint32_t Full = 15380937;
constexpr int PageDown = 1731, PageUp = 1732, FirstPage = 1733, LastPage = 1734;
const lotto::Settings& settings() { return lotto::win::app_state().settings; }
long long bits(int first, int last) { return ((2LL << (last - first)) - 1) << (first - 1); }

// ---- start-up: the Info dialog, the main window's controls, check boxes, keys, "Quit" ----

const Box info_boxes[] = {
    {1700, 20, 10, 245, 20, "Thank You for using our software"},
    {1701, 20, 50, 295, 10},
    {1703, 20, 60, 355, 10,
     "In this application all filtering functions are staticly linked for demonstration only, "
     "but you will find all of them here."},
    {1704, 20, 70, 355, 10,
     "As you will see there are 64 options that you can set for filtering combinations."},
    {1705, 20, 30, 120, 15, "Please, read this first"},
    {1706, 20, 80, 280, 10,
     "Library is very small, compact, professionaly writen and fast. Size is 30KB only."},
    {1707, 20, 90, 350, 10},
    {1708, 20, 100, 350, 20},
    {1709, 20, 120, 350, 25},
    {1710, 20, 150, 330, 20},
    {1711, 20, 170, 330, 10},
    {1712, 20, 185, 330, 15,
     "This is WIN32 application and you can execute it under Windows 2000, Windows XP, Windows "
     "2003, Windows Vista, Windows 7 and latter"},
    {1713, 20, 205, 330, 15,
     "You will need PC with MMX and SSE 2.0 support, sorry about that but  we beliave that this "
     "condition is not so hard to satisfy these days."},
    {1714, 20, 230, 300, 10},
    {1715, 20, 245, 300, 10, "Enjoy"},
    {1716, 20, 260, 300, 10},
    {1720, 325, 235, 60, 35, "Continue"},
};

bool has_parameter_button(int k) {
    return k <= 18 || (k >= 21 && k <= 28) || (k >= 32 && k <= 51) || k >= 62;
}

// One control of the main window: rectangle, caption and kind (the style's SS_TYPEMASK bits).
void expect_control(HWND main, const Box& box, const std::string& caption, LONG kind) {
    HWND control = item(main, box.id);
    const std::string name = "main window control " + std::to_string(box.id);
    expect_box(main, control, box);
    expect_text(text(control), caption, name + " caption");
    expect_int(GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK, kind, name + " kind");
}

// Every control of the main window at start-up, as the layout tables give them.
void expect_main_controls(HWND main) {
    static constexpr int box_width[65] = {
        0, // check boxes of filters 1..64
        145, 150, 150, 150, 155, 155, 135, 135, 135, 135, 135, 135, 135, 145, 135, 135,
        135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 135, 140, 135,
        135, 155, 175, 100, 100, 95,  100, 95,  100, 95,  100, 95,  100, 125, 125, 125,
        125, 125, 125, 125, 125, 125, 125, 125, 125, 140, 140, 140, 140, 130, 130, 130};
    static constexpr int box_x[] = {20, 245, 495}, button_x[] = {175, 440, 630};
    static constexpr int range_bounds[] = {1,  9,  1,  9,  10, 19, 10, 19, 20, 29,
                                           20, 29, 30, 35, 30, 35, 36, 39, 36, 39};
    for (int k = 1; k <= 64; ++k) {
        const int column = k <= 25 ? 0 : k <= 50 ? 1 : 2;
        const int y = k <= 62 ? 10 + 15 * (k - 1 - 25 * column) : k == 63 ? 220 : 285;
        expect_control(main, {1000 + k, box_x[column], y, box_width[k], 15},
                       std::string(lotto::filter_label(k)), BS_AUTOCHECKBOX);
        if (has_parameter_button(k))
            expect_control(main, {1100 + k, button_x[column], y, 35, 15}, "0", BS_PUSHBUTTON);
        else
            check(!GetDlgItem(main, 1100 + k), "no button " + std::to_string(1100 + k));
    }
    for (int r = 0; r < 20; ++r) // start and end of ranges A1..E2
        expect_control(main,
                       {1361 + 10 * (r / 2) + r % 2, r % 2 ? 395 : 345, 160 + 15 * (r / 2), 35, 15},
                       std::to_string(range_bounds[r]), BS_PUSHBUTTON);
    for (int i = 0; i < 22; ++i) { // positions 1..7 of the 7-element array, 1..15 of the other
        const int j = i < 7 ? i : i - 7;
        expect_control(main,
                       {i < 7 ? 1621 + i : 1624 + i, 505 + 25 * (j % 5),
                        (i < 7 ? 190 : 235) + 15 * (j / 5), 25, 15},
                       "0", BS_PUSHBUTTON);
    }
    expect_control(main, {1203, 495, 355, 135, 20}, "Quit", BS_PUSHBUTTON);
    expect_control(main, {1202, 495, 335, 135, 20}, "Count and store", BS_PUSHBUTTON);
    expect_control(main, {1204, 495, 315, 135, 20}, "Turn off all filters", BS_PUSHBUTTON);
    expect_control(main, {1179, 35, 385, 610, 20},
                   "Tessel lottery 7/39 filtering DEMO application- Quorrel ver. 1.1 July 2012.",
                   SS_LEFT);
}

// The active-filter mask is want and every check box shows its bit of it.
void expect_filters(HWND main, uint64_t want, const std::string& what) {
    expect_int(static_cast<long long>(settings().active), static_cast<long long>(want), what);
    for (int k = 1; k <= 64; ++k)
        expect_int(is_checked(main, 1000 + k), (want >> (k - 1)) & 1,
                   what + ": mark of check box " + std::to_string(k));
}

void startup_scenario() {
    HWND info = wait_window("Quorrel");
    check(find_window(MainCaption) == nullptr, "the main window is not shown before \"Continue\"");
    check(GetWindow(info, GW_OWNER) == nullptr, "the Info dialog has no owner");
    check(lotto::win::app_state().main_window == info, "the Info dialog's handle is kept");
    expect_dialog_box(info, nullptr, 165, 62, 393, 290);
    expect_boxes(info, info_boxes);
    for (const Box& b : info_boxes) // the freely worded ones as well
        check(!item_text(info, b.id).empty(), "Info text " + std::to_string(b.id) + " is there");
    click(info, 1720);
    wait_gone(info, "the Info dialog closes on \"Continue\"");
    HWND main = wait_window(MainCaption);
    check(!IsWindow(info), "the Info dialog is destroyed once the main window is up");
    check(GetWindow(main, GW_OWNER) == nullptr, "the main window has no owner");
    expect_dialog_box(main, nullptr, 7, 13, 670, 408);

    expect_main_controls(main);
    // A few labels verbatim, so that a slip in the catalogue shows here as well.
    expect_text(item_text(main, 1001), "01) Minimum amount of numbers ", "label of filter 1");
    expect_text(item_text(main, 1023), "23) Mimimum 2 numbers groups ", "label of filter 23");
    expect_text(item_text(main, 1042), "42) Minimumu in range D1", "label of filter 42");
    expect_text(item_text(main, 1064), "64) Maximum numbers from 15 el. array", "label of 64");

    // Check boxes switch their filters at once and open nothing.
    expect_filters(main, 0, "at start-up");
    uint64_t want = 0;
    for (int k : {7, 7, 28, 1, 19, 35, 50, 51, 64}) {
        toggle_filter(main, k);
        want ^= uint64_t{1} << (k - 1);
        expect_filters(main, want, "after clicking box " + std::to_string(k));
    }
    check(find_window("Enter number") == nullptr, "a check box opens no dialog");
    expect_text(item_text(main, 1128), "0", "parameter button of filter 28 after its box");
    // A parameter picked while the box is clear is in force as soon as the box is checked.
    finish_pick(main, open_pick(main, 1103), 7, Confirm::EnterButton);
    expect_filters(main, want, "a pick does not switch its filter on");
    toggle_filter(main, 3);
    expect_filters(main, want | 4, "box 3 checked after picking 7");
    for (int round = 1; round <= 2; ++round) {
        click(main, 1204);
        sync();
        expect_filters(main, 0, "\"Turn off all filters\" number " + std::to_string(round));
        expect_text(item_text(main, 1103), "7", "parameter caption kept by \"Turn off all\"");
        expect_int(settings().params[2], 7, "parameter kept by \"Turn off all filters\"");
    }

    post_key(item(main, 1001), VK_ESCAPE);
    PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
    sync();
    check(find_window(MainCaption) == main, "Escape does not close the main window");
    quit(main);
}

// ---- the pick dialog behind every parameter, range and array button ----

const Box pick_boxes[] = {
    {1901, 20, 15, 180, 15, "What we are entering"},
    {1902, 20, 35, 180, 40},
    {1903, 140, 110, 90, 60, "Enter"},
    {1904, 140, 175, 90, 60, "Cancel"},
    {1905, 15, 110, 95, 130},
    {1906, 15, 85, 95, 20, "Choose number"},
};

struct PickStep {
    int button;
    const char* prompt; // nullptr: the list is not looked at
    int lowest, highest, index;
    Confirm how;
    const char* caption; // of the button afterwards
    long long value, mask;
};

// What a pick of the button stored, and the mask it feeds: the active-filter mask for a
// parameter, the range's mask, or the array's mask.
std::pair<long long, long long> stored(int button) {
    const lotto::Settings& s = settings();
    if (button < 1200) return {s.params[button - 1101], static_cast<long long>(s.active)};
    if (button < 1600) {
        const size_t r = (button - 1361) / 10;
        return {button % 10 == 1 ? s.entered[r].start : s.entered[r].end,
                static_cast<long long>(s.range_masks[r])};
    }
    if (button < 1630) return {s.array7[button - 1621], static_cast<long long>(s.array7_mask)};
    return {s.array15[button - 1631], static_cast<long long>(s.array15_mask)};
}

void pick_scenario() {
    constexpr Confirm Enter = Confirm::EnterButton, Cancel = Confirm::CancelButton;
    // clang-format off
    static const PickStep steps[] = {
        {1101, "01) Minimum amount of numbers ", 0, 252, 7, Enter, "7", 7, 0}, // filter stays off
        {1101, "01) Minimum amount of numbers ", 0, 252, 200, Cancel, "7", 7, 0},
        {1101, nullptr, 0, 0, NoSelection, Enter, "0", 0, 0},
        {1128, "28) Maximum 4+ numbers groups", 0, 1, 1, Enter, "1", 1, 0},
        {1134, "34) Maximum the same differences", 0, 6, 6, Enter, "6", 6, 0},
        {1103, "03) Minimum even numbers ", 0, 7, 3, Confirm::EnterKey, "3", 3, 0},
        {1103, nullptr, 0, 0, 5, Confirm::EscapeKey, "3", 3, 0},
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
    for (const PickStep& s : steps) {
        const std::string what = "pick step " + std::to_string(&s - steps + 1) + ": ";
        HWND pick = open_pick(main, s.button);
        expect_dialog_box(pick, main, 215, 87, 246, 267);
        expect_boxes(pick, pick_boxes);
        HWND list = item(pick, 1905);
        if (s.prompt) {
            expect_text(item_text(pick, 1902), s.prompt, what + "prompt");
            auto three_digits = [](int n) { return char('0' + n / 100) + two_digits(n % 100); };
            const int n = list_count(list);
            expect_int(n, s.highest - s.lowest + 1, what + "lines in the list");
            expect_text(list_line(list, 0), three_digits(s.lowest), what + "first line");
            expect_text(list_line(list, n - 1), three_digits(s.highest), what + "last line");
            expect_int(send(list, LB_GETCURSEL), LB_ERR, what + "no line selected at first");
            wait_until([list] { return focus_window() == list; }, what + "the list has the focus");
        }
        finish_pick(main, pick, s.index, s.how);
        expect_text(item_text(main, s.button), s.caption, what + "caption afterwards");
        const auto [value, mask] = stored(s.button);
        expect_int(value, s.value, what + "value stored");
        expect_int(mask, s.mask, what + "mask");
        HWND button = item(main, s.button);
        wait_until([button] { return focus_window() == button; }, what + "focus back on button");
    }
    quit(main);
}

// ---- the combination viewer, its pages and the number statistics over it ----

const Box viewer_boxes[] = {
    {1907, 10, 10, 200, 290},
    {1730, 260, 20, 70, 40, "End view"},
    {1735, 260, 70, 70, 40, "to txt file"},
    {1908, 260, 120, 70, 40, "Couning numbers"},
    {1736, 240, 265, 105, 15, "Total number of pages"},
    {1737, 225, 230, 140, 15, "Total number of combinations"},
    {1738, 225, 245, 135, 15},
    {1739, 225, 275, 135, 15},
    {1740, 265, 295, 60, 15, "Current page"},
    {1741, 225, 310, 135, 15},
    {1731, 10, 310, 90, 20, "Page down (-)"},
    {1732, 120, 310, 90, 20, "Page up (+)"},
    {1733, 10, 290, 90, 20, "First page"},
    {1734, 120, 290, 90, 20, "Last page"},
};

// The viewer shows page `page` of the full system (or of nothing): label and page lines, and
// the first and last of them hold the records they are numbered by.
void expect_page(HWND viewer, uint32_t page, uint32_t count) {
    const std::string where = "viewer page " + std::to_string(page);
    expect_text(item_text(viewer, 1741), std::to_string(page), where + ": label 1741");
    const uint32_t first = 1000 * (page - 1) + 1, last = std::min(first + 999, count);
    HWND list = item(viewer, 1907);
    const int lines = list_count(list);
    expect_int(lines, last >= first ? last - first + 1 : 0, where + ": number of lines");
    for (const uint32_t n : {first, last}) {
        if (lines == 0) return;
        const Combination c = combination_at(n - 1);
        char line[40];
        std::snprintf(line, sizeof line, "%08u=%02d,%02d,%02d,%02d,%02d,%02d,%02d,",
                      static_cast<unsigned>(n), c[0], c[1], c[2], c[3], c[4], c[5], c[6]);
        expect_text(list_line(list, static_cast<int>(n - first)), line, where + ": a line");
    }
}

void expect_viewer(HWND main, HWND viewer, uint32_t count) {
    expect_dialog_box(viewer, main, 70, 70, 382, 336);
    expect_boxes(viewer, viewer_boxes);
    expect_text(item_text(viewer, 1738), std::to_string(count), "viewer count label");
    expect_text(item_text(viewer, 1739), std::to_string(count / 1000 + 1), "viewer page count");
    expect_page(viewer, 1, count);
}

// Clicks a navigation button and checks the page shown afterwards. A button that cannot move
// leaves even the list alone: a redrawn list would lose its scroll position.
void navigate(HWND viewer, int button, uint32_t page, uint32_t count) {
    HWND list = item(viewer, 1907);
    const bool stays = item_text(viewer, 1741) == std::to_string(page) && list_count(list) > 100;
    if (stays) send(list, LB_SETTOPINDEX, 50);
    click(viewer, button);
    sync();
    wait_until([viewer] { return IsWindowEnabled(viewer) != 0; }, "the viewer is enabled again");
    expect_page(viewer, page, count);
    if (stays)
        expect_int(send(list, LB_GETTOPINDEX), 50,
                   "top line after button " + std::to_string(button) + ", which could not move");
}

// "0002760681=01" lines, least frequent first, for the counts of numbers 1..39.
std::vector<std::string> statistics_lines(const std::array<uint32_t, 40>& counts) {
    std::vector<std::string> lines;
    char buf[32];
    for (int n = 1; n <= 39; ++n) {
        std::snprintf(buf, sizeof buf, "%010u=%02d", counts[n], n);
        if (counts[n] != 0) lines.push_back(buf);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Opens "Stat of numbers" over the viewer, checks it and closes it with "Cancel".
void check_statistics(HWND main, HWND viewer, uint32_t count,
                      const std::vector<std::string>& want) {
    static const Box boxes[] = {{1901, 20, 15, 200, 15, "Stat of numbers in combinations"},
                                {1909, 140, 175, 90, 60, "Cancel"},
                                {1910, 15, 110, 115, 130}};
    click(viewer, 1908);
    HWND stat = wait_window("Stat of numbers", LongWaitMs);
    check(GetWindow(stat, GW_OWNER) == viewer && !IsWindowEnabled(viewer) && !IsWindowEnabled(main),
          "the statistics are owned by the viewer and disable it and the main window");
    expect_dialog_box(stat, main, 215, 87, 246, 267);
    expect_boxes(stat, boxes);
    // Two labels share ID 1902: the count and the time the count took.
    HWND count_label = item(stat, 1902), timing_label = count_label;
    do timing_label = GetWindow(timing_label, GW_HWNDNEXT);
    while (timing_label && GetDlgCtrlID(timing_label) != 1902);
    check(timing_label != nullptr, "a second label with ID 1902");
    expect_box(stat, count_label, {1902, 20, 35, 180, 40});
    expect_box(stat, timing_label, {1902, 20, 55, 220, 40});
    expect_text(text(count_label), std::to_string(count) + " combinations", "count label");
    expect_timed(text(timing_label), "Counting done in ", " seconds", 4, false, "timing label");
    HWND list = item(stat, 1910);
    expect_int(list_count(list), static_cast<long long>(want.size()), "statistics lines");
    for (size_t i = 0; i < want.size(); ++i)
        expect_text(list_line(list, static_cast<int>(i)), want[i], "statistics line");
    click(stat, 1909);
    wait_gone(stat, "\"Stat of numbers\" closes on \"Cancel\"");
    wait_until([viewer] { return IsWindowEnabled(viewer) != 0; }, "the viewer is enabled again");
    sync();
    check(find_window("View combinations") == viewer && !IsWindowEnabled(main),
          "the viewer stays open, the main window disabled until \"End view\"");
}

void viewer_scenario() {
    HWND main = pass_info();
    HWND viewer = count_and_store(main, Full);
    expect_viewer(main, viewer, Full);
    HWND list = item(viewer, 1907);
    expect_text(list_line(list, 0), "00000001=01,02,03,04,05,06,07,", "first line");
    // clang-format off
    static constexpr std::pair<int, uint32_t> steps[] = { // button, page shown afterwards
        {PageDown, 1}, {FirstPage, 1}, {PageUp, 2}, {PageUp, 3}, {PageDown, 2}, {FirstPage, 1},
        {LastPage, 15381}, {PageUp, 15381}, {LastPage, 15381}, {PageDown, 15380},
        {LastPage, 15381},
    };
    // clang-format on
    for (const auto& [button, page] : steps) navigate(viewer, button, page, Full);
    expect_int(list_count(list), 937, "lines on the last page of the full system");
    expect_text(list_line(list, 936), "15380937=33,34,35,36,37,38,39,", "last line");
    std::array<uint32_t, 40> counts{};
    counts.fill(2760681);
    const std::vector<std::string> full = statistics_lines(counts);
    check_statistics(main, viewer, Full, full);
    check_statistics(main, viewer, Full, full); // a second count starts from zero
    end_view(main, viewer);

    // Filter 7 with its parameter 0 keeps nothing: a new run starts at page 1, one empty page
    // that no button leaves.
    toggle_filter(main, 7);
    viewer = count_and_store(main, 0);
    expect_viewer(main, viewer, 0);
    for (int button : {PageDown, PageUp, FirstPage, LastPage}) navigate(viewer, button, 1, 0);
    end_view(main, viewer);

    // Filter 52, "1. number is even": number 1 never occurs, the others each their own times.
    counts.fill(0);
    uint32_t kept = 0;
    for_each_combination([&](const Combination& c) {
        if (c[0] % 2 != 0) return;
        ++kept;
        for (int n : c) ++counts[static_cast<size_t>(n)];
    });
    toggle_filter(main, 7);
    toggle_filter(main, 52);
    viewer = count_and_store(main, kept);
    check_statistics(main, viewer, kept, statistics_lines(counts));
    end_view(main, viewer);
    quit(main);
}

// ---- "to txt file": the file it writes, and an export whose file cannot be created ----

void export_scenario() {
    const char* const file = "kvx7_00000036.txt";
    DeleteFileA(file);
    RemoveDirectoryA(file);
    // Filter 32 with parameter 6: neighbours at least 6 apart.
    std::string want;
    for_each_combination([&](const Combination& c) {
        for (size_t i = 1; i < c.size(); ++i)
            if (c[i] - c[i - 1] < 6) return;
        for (size_t i = 0; i < c.size(); ++i) want += (i ? ", " : "") + two_digits(c[i]);
        want += "\r\n";
    });
    HWND main = pass_info();
    finish_pick(main, open_pick(main, 1132), 6, Confirm::EnterButton);
    toggle_filter(main, 32);
    HWND viewer = count_and_store(main, 36);
    HWND list = item(viewer, 1907);
    expect_text(list_line(list, 35), "00000036=03,09,15,21,27,33,39,", "last viewer line");

    for (int round = 1; round <= 2; ++round) { // the second export replaces the first file
        click(viewer, 1735);
        HWND box = wait_window("Notify");
        check(GetDlgItem(box, IDCANCEL) == nullptr, "\"Notify\" has an OK button only");
        expect_timed(item_text(box, MessageTextId),
                     std::string("We store combinations  in file ") + file + " in ", " seconds", 3,
                     true, "\"Notify\" text");
        press_ok(box);
        wait_until([viewer] { return IsWindowEnabled(viewer) != 0; }, "the export ends");
        wait_until([list] { return focus_window() == list; }, "the list has the focus again");
        std::ifstream in(file, std::ios::binary);
        check(std::string(std::istreambuf_iterator<char>(in), {}) == want,
              "the exported file, export number " + std::to_string(round));
    }

    // A directory in the file's place: an error box, no "Notify", the directory left alone.
    check(DeleteFileA(file) && CreateDirectoryA(file, nullptr), "a directory in the file's place");
    click(viewer, 1735);
    HWND box = nullptr;
    const auto error_box = [&] { return (box = focus_window(true)) && box != viewer; };
    wait_until(error_box, "a message box about the failed export");
    const std::string body = item_text(box, MessageTextId);
    check(caption_of(box) != "Notify", "a failed export does not say \"Notify\"");
    check(body.find(file) != std::string::npos, "the error names the file: " + body);
    press_ok(box);
    wait_until([&] { return IsWindowEnabled(viewer) != 0 || find_window("Notify"); },
               "the export finishes");
    sync();
    check(find_window("Notify") == nullptr, "no \"Notify\" after a failed export");
    const DWORD kept = GetFileAttributesA(file);
    check(kept != INVALID_FILE_ATTRIBUTES && (kept & FILE_ATTRIBUTE_DIRECTORY), "directory kept");
    end_view(main, viewer);
    quit(main);
}

// ---- stops at each window for scripts/screenshots.sh: prints "SHOT <name> <left> <top>
// <right> <bottom>" (the window with its frame, on the screen) and waits for <name>.shot ----

void shot(const char* name, HWND window) {
    sync();
    Sleep(300); // let the window finish painting
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("SHOT %s %ld %ld %ld %ld\n", name, r.left, r.top, r.right, r.bottom);
    std::fflush(stdout);
    const std::string done = std::string(name) + ".shot";
    wait_until([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, done,
               30000);
}

void screenshots_scenario() {
    HWND info = wait_window("Quorrel");
    shot("info", info);
    click(info, 1720);
    HWND main = wait_window(MainCaption);
    toggle_filter(main, 3);
    toggle_filter(main, 36);
    shot("main", main);
    HWND pick = open_pick(main, 1101);
    send(item(pick, 1905), LB_SETCURSEL, 5);
    shot("pick", pick);
    finish_pick(main, pick, NoSelection, Confirm::CancelButton);
    click(main, 1204);
    click(main, 1202);
    HWND report = wait_window("Info", LongWaitMs);
    shot("report", report);
    press_ok(report);
    HWND viewer = wait_window("View combinations");
    shot("viewer", viewer);
    click(viewer, 1908);
    HWND stat = wait_window("Stat of numbers", LongWaitMs);
    shot("statistics", stat);
    click(stat, 1909);
    wait_gone(stat, "the statistics close");
    end_view(main, viewer);
    quit(main);
}

} // namespace

std::span<const Scenario> all_scenarios() {
    static constexpr Scenario table[] = {
        {"startup", startup_scenario},         {"pick", pick_scenario},
        {"viewer", viewer_scenario},           {"export", export_scenario},
        {"screenshots", screenshots_scenario},
    };
    return table;
}

} // namespace gui
