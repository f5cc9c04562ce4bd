// lotto739-gui-tests SCENARIO: runs the program's real start-up path on the main thread and
// drives its dialogs from a second thread. Prints "OK SCENARIO" and exits 0 when every check
// held and the program ended with status 0; otherwise prints what failed and exits 1.
#include "app/win32/application.h"
#include "tests/gui/driver.h"
#include "tests/gui/scenarios.h"

#include <atomic>
#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD ScenarioLimitMs = 150000;

const gui::Scenario* chosen = nullptr;
std::atomic<bool> driver_done{false};

DWORD WINAPI drive(void*) {
    chosen->run();
    driver_done = true;
    return 0;
}

DWORD WINAPI watchdog(void*) {
    Sleep(ScenarioLimitMs);
    gui::fail(std::string("scenario ") + chosen->name, "done within 150 s", "still running");
}

int usage() {
    std::printf("usage: lotto739-gui-tests SCENARIO\nscenarios:");
    for (const gui::Scenario& s : gui::all_scenarios()) std::printf(" %s", s.name);
    std::printf("\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return usage();
    for (const gui::Scenario& s : gui::all_scenarios())
        if (std::strcmp(s.name, argv[1]) == 0) chosen = &s;
    if (!chosen) return usage();
    std::printf("scenario %s\n", chosen->name);
    std::fflush(stdout);

    gui::install_sync(GetCurrentThreadId());
    CreateThread(nullptr, 0, watchdog, nullptr, 0, nullptr);
    HANDLE driver = CreateThread(nullptr, 0, drive, nullptr, 0, nullptr);
    const int status = lotto::win::run_application(GetModuleHandleW(nullptr));
    WaitForSingleObject(driver, 15000);
    if (!driver_done)
        gui::fail("the program runs until the scenario ends", "scenario done",
                  "start-up returned " + std::to_string(status) + " first");
    gui::expect_int(status, 0, "exit status of the start-up path after \"Quit\"");
    std::printf("OK %s\n", chosen->name);
    std::fflush(stdout);
    return 0;
}
