// "Couning numbers" and the "Stat of numbers" dialog over the viewer.
#include "tests/gui/driver.h"
#include "tests/gui/layout.h"
#include "tests/gui/oracle.h"
#include "tests/gui/scenarios.h"
#include "tests/gui/steps.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace gui {

namespace {

const Box statistics_boxes[] = {
    {1901, 20, 15, 200, 15}, {1909, 140, 175, 90, 60}, {1910, 15, 110, 115, 130}};
const Box count_label{1902, 20, 35, 180, 40};
const Box timing_label{1902, 20, 55, 220, 40};

// "0002760681=01" lines, least frequent first, for the counts of numbers 1..39.
std::vector<std::string> expected_lines(const std::array<uint32_t, 40>& counts) {
    std::vector<std::string> lines;
    for (int n = 1; n <= 39; ++n) {
        if (counts[static_cast<size_t>(n)] == 0) continue;
        char buf[32];
        std::snprintf(buf, sizeof buf, "%010u=%02d", counts[static_cast<size_t>(n)], n);
        lines.push_back(buf);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Opens the statistics over the viewer, checks the dialog, closes it with "Cancel".
void check_statistics(HWND main, HWND viewer, uint32_t count,
                      const std::vector<std::string>& want) {
    click(viewer, 1908);
    HWND stat = wait_window(StatisticsCaption, LongWaitMs);
    check(owner_of(stat) == viewer, "\"Stat of numbers\" is owned by the viewer");
    check(!IsWindowEnabled(viewer), "the viewer is disabled while the statistics are open");
    check(!IsWindowEnabled(main), "the main window is disabled while the statistics are open");
    check((GetWindowLongW(stat, GWL_STYLE) & WS_SYSMENU) == 0, "the statistics have no close box");
    expect_dialog_box(stat, main, 215, 87, 246, 267);
    expect_boxes(stat, statistics_boxes);
    expect_text(item_text(stat, 1901), "Stat of numbers in combinations", "statistics title");
    expect_text(item_text(stat, 1909), "Cancel", "statistics button");
    const std::vector<HWND> labels = items(stat, 1902);
    expect_int(static_cast<long long>(labels.size()), 2, "labels with ID 1902");
    expect_control_box(stat, labels[0], count_label);
    expect_control_box(stat, labels[1], timing_label);
    expect_text(text(labels[0]), std::to_string(count) + " combinations", "count label");
    const std::string timing = text(labels[1]);
    const std::string head = "Counting done in ", tail = " seconds";
    if (timing.size() <= head.size() + tail.size() || timing.compare(0, head.size(), head) != 0 ||
        timing.compare(timing.size() - tail.size(), tail.size(), tail) != 0 ||
        !looks_like_decimal4(timing.substr(head.size(), timing.size() - head.size() - tail.size())))
        fail("timing label", head + "<t>" + tail, timing);

    const FontSpec big{"MS Sans Serif", 14, true, false, -1};
    expect_font(item(stat, 1901), big, "statistics title");
    expect_font(item(stat, 1910), big, "statistics list");
    expect_font(labels[0], {"MS Sans Serif", 10, true, false, -1}, "count label");
    expect_font(labels[1], {"MS Sans Serif", 8, true, false, -1}, "timing label");
    HWND list = item(stat, 1910);
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    check((style & LBS_SORT) != 0 && (style & WS_VSCROLL) != 0,
          "the statistics list sorts its lines and has a vertical scroll bar");
    check((GetWindowLongW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0,
          "the statistics list has a sunken edge");
    wait_until([list] { return focus_window() == list; }, "the statistics list has the focus");

    const std::vector<std::string> got = list_lines(list);
    expect_int(static_cast<long long>(got.size()), static_cast<long long>(want.size()),
               "statistics lines");
    for (size_t i = 0; i < want.size(); ++i)
        expect_text(got[i], want[i], "statistics line " + std::to_string(i + 1));

    click(stat, 1909);
    wait_gone(stat, "\"Stat of numbers\" closes on \"Cancel\"");
    wait_until([viewer] { return IsWindowEnabled(viewer) != 0; },
               "the viewer is enabled again after the statistics");
    sync();
    check(find_window(ViewerCaption) == viewer, "the viewer is still open after the statistics");
    check(!IsWindowEnabled(main), "the main window stays disabled until \"End view\"");
}

} // namespace

void statistics_scenario() {
    HWND main = pass_info();
    HWND viewer = count_and_store(main, 15380937);
    std::array<uint32_t, 40> full{};
    for (int n = 1; n <= 39; ++n) full[static_cast<size_t>(n)] = 2760681;
    const std::vector<std::string> full_lines = expected_lines(full);
    expect_text(full_lines.front(), "0002760681=01", "first expected line");
    check_statistics(main, viewer, 15380937, full_lines);
    check_statistics(main, viewer, 15380937, full_lines); // a second count starts from zero
    note("full system: 39 lines 0002760681=01..39, twice");
    end_view(main, viewer);

    // Filter 52, "1. number is even": number 1 never occurs.
    std::array<uint32_t, 40> counts{};
    uint32_t kept = 0;
    for_each_combination([&](const Combination& c) {
        if (c[0] % 2 != 0) return;
        ++kept;
        for (int n : c) ++counts[static_cast<size_t>(n)];
    });
    toggle_filter(main, 52);
    viewer = count_and_store(main, kept);
    const std::vector<std::string> lines = expected_lines(counts);
    expect_int(static_cast<long long>(lines.size()), 38, "numbers that occur with filter 52");
    check_statistics(main, viewer, kept, lines);
    note("filter 52: " + std::to_string(kept) + " combinations, number 1 missing");
    end_view(main, viewer);
    quit(main);
}

} // namespace gui
