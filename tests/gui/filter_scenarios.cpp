// Check boxes switch their filters at once, and "Turn off all filters" clears every one.
#include "app/win32/app_state.h"
#include "tests/gui/driver.h"
#include "tests/gui/scenarios.h"
#include "tests/gui/steps.h"

namespace gui {

namespace {

uint64_t bit(int k) { return uint64_t{1} << (k - 1); }

void expect_mask(uint64_t want, const std::string& what) {
    const uint64_t got = active_mask();
    if (got != want) fail(what + ": active-filter mask", std::to_string(want), std::to_string(got));
}

void expect_boxes_match_mask(HWND main, const std::string& what) {
    const uint64_t mask = active_mask();
    for (int k = 1; k <= 64; ++k)
        expect_int(is_checked(main, 1000 + k), (mask & bit(k)) != 0,
                   what + ": check box " + std::to_string(k) + " shows bit " +
                       std::to_string(k - 1) + " of the mask");
}

} // namespace

void filters_scenario() {
    HWND main = pass_info();

    toggle_filter(main, 7);
    expect_mask(bit(7), "box 7 checked");
    check(is_checked(main, 1007), "box 7 shows its mark");
    toggle_filter(main, 7);
    expect_mask(0, "box 7 cleared again");
    check(!is_checked(main, 1007), "box 7 mark gone");

    toggle_filter(main, 28);
    expect_mask(bit(28), "box 28 checked");
    expect_text(item_text(main, 1128), "0", "parameter button of filter 28 after checking box 28");
    check(find_window(PickCaption) == nullptr, "a check box opens no dialog");

    const int more[] = {1, 19, 35, 50, 51, 64};
    uint64_t want = bit(28);
    for (int k : more) {
        toggle_filter(main, k);
        want |= bit(k);
        expect_mask(want, "box " + std::to_string(k) + " checked");
    }
    expect_boxes_match_mask(main, "six boxes checked");

    // A parameter picked while the box is clear is in force as soon as the box is checked.
    pick(main, 1103, 7);
    expect_mask(want, "a pick does not switch its filter on");
    toggle_filter(main, 3);
    expect_mask(want | bit(3), "box 3 checked after picking 7");
    expect_int(lotto::win::app_state().settings.params[2], 7, "parameter of filter 3");

    click(main, 1204);
    sync();
    expect_mask(0, "\"Turn off all filters\"");
    expect_boxes_match_mask(main, "after \"Turn off all filters\"");
    expect_text(item_text(main, 1103), "7", "parameter caption kept by \"Turn off all filters\"");
    expect_int(lotto::win::app_state().settings.params[2], 7,
               "parameter kept by \"Turn off all filters\"");
    click(main, 1204);
    sync();
    expect_mask(0, "\"Turn off all filters\" pressed twice");
    expect_boxes_match_mask(main, "after the second \"Turn off all filters\"");
    note("check boxes, mask and \"Turn off all filters\"");
    quit(main);
}

} // namespace gui
