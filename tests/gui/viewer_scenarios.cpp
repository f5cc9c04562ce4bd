// Count runs, their reports, and the combination viewer at the edges of its pages.
#include "engine/lotto739.h"
#include "tests/gui/driver.h"
#include "tests/gui/scenarios.h"
#include "tests/gui/steps.h"
#include "tests/gui/viewer_checks.h"

namespace gui {

namespace {

constexpr uint32_t Full = 15380937;
constexpr int PageDown = 1731, PageUp = 1732, FirstPage = 1733, LastPage = 1734;

Combination full_record(uint32_t n) { return combination_at(n - 1); }

void full_system_pages(HWND main) {
    HWND viewer = count_and_store(main, Full);
    expect_viewer_frame(main, viewer, Full);
    expect_page(viewer, 1, Full, full_record);
    expect_text(list_line(item(viewer, 1907), 0), "00000001=01,02,03,04,05,06,07,",
                "first line of the full system");

    struct Step {
        int button;
        uint32_t page; // shown afterwards
    };
    // clang-format off
    static constexpr Step steps[] = {
        {PageDown,  1},     // nothing below page 1
        {FirstPage, 1},     // already there
        {PageUp,    2},
        {PageUp,    3},
        {PageDown,  2},
        {FirstPage, 1},
        {LastPage,  15381},
        {PageUp,    15381}, // nothing above the last page
        {LastPage,  15381}, // already there
        {PageDown,  15380},
        {LastPage,  15381},
    };
    // clang-format on
    for (const Step& s : steps) navigate(viewer, s.button, s.page, Full, full_record);
    HWND list = item(viewer, 1907);
    expect_int(list_count(list), 937, "lines on the last page of the full system");
    expect_text(list_line(list, 936), "15380937=33,34,35,36,37,38,39,",
                "last line of the full system");
    note("full system: every navigation button at page 1 and at page 15381");
    end_view(main, viewer);
}

} // namespace

void viewer_scenario() {
    HWND main = pass_info();
    full_system_pages(main);

    // Filter 7 with its parameter 0 keeps nothing: one empty page that no button leaves.
    toggle_filter(main, 7);
    HWND viewer = count_and_store(main, 0);
    expect_viewer_frame(main, viewer, 0);
    expect_page(viewer, 1, 0, full_record);
    for (int button : {PageDown, PageUp, FirstPage, LastPage})
        navigate(viewer, button, 1, 0, full_record);
    note("count 0: labels 0, 1, 1 and an empty page");
    end_view(main, viewer);

    // A new run starts the viewer again at page 1, on the new result.
    toggle_filter(main, 7);
    viewer = count_and_store(main, Full);
    expect_page(viewer, 1, Full, full_record);
    navigate(viewer, LastPage, 15381, Full, full_record);
    end_view(main, viewer);
    quit(main);
}

} // namespace gui
