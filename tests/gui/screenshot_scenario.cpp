// Stops at each window long enough for scripts/screenshots.sh to photograph it: prints
// "SHOT <name> <left> <top> <right> <bottom>" (the window, title bar included, on the screen)
// and waits for the file <name>.shot.
#include "tests/gui/driver.h"
#include "tests/gui/scenarios.h"
#include "tests/gui/steps.h"

#include <cstdio>

namespace gui {

namespace {

void shot(const char* name, HWND window) {
    sync();
    Sleep(300); // let the window finish painting
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("SHOT %s %ld %ld %ld %ld\n", name, r.left, r.top, r.right, r.bottom);
    std::fflush(stdout);
    const std::string done = std::string(name) + ".shot";
    wait_until([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; },
               std::string("screenshot ") + name + " taken", 30000);
}

} // namespace

void screenshots_scenario() {
    HWND info = wait_window(InfoCaption);
    shot("info", info);
    click(info, 1720);
    wait_gone(info, "the Info dialog closes");
    HWND main = wait_window(MainCaption);
    toggle_filter(main, 3);
    toggle_filter(main, 36);
    shot("main", main);
    HWND pick = open_pick(main, 1101);
    list_select(item(pick, 1905), 5);
    shot("pick", pick);
    finish_pick(main, pick, NoSelection, Confirm::CancelButton);
    click(main, 1204);
    sync();

    click(main, 1202);
    HWND report = wait_window(ReportCaption, LongWaitMs);
    shot("report", report);
    press_ok(report);
    HWND viewer = wait_window(ViewerCaption);
    shot("viewer", viewer);
    click(viewer, 1908);
    HWND stat = wait_window(StatisticsCaption, LongWaitMs);
    shot("statistics", stat);
    click(stat, 1909);
    wait_gone(stat, "the statistics close");
    end_view(main, viewer);
    quit(main);
}

} // namespace gui
