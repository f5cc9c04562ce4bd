// lotto739-gui-tests SCENARIO: runs the program's real start-up path on the main thread and
// drives its dialogs from a second thread. Prints "OK SCENARIO" and exits 0 when every check
// held and the program ended with status 0; otherwise prints what failed and exits 1.
#include "app/win32/application.h"
#include "tests/gui/driver.h"

#include <cstring>

int main(int argc, char** argv) {
    const gui::Scenario* chosen = nullptr;
    for (const gui::Scenario& s : gui::all_scenarios())
        if (argc == 2 && std::strcmp(s.name, argv[1]) == 0) chosen = &s;
    if (!chosen) {
        std::printf("usage: lotto739-gui-tests SCENARIO\nscenarios:");
        for (const gui::Scenario& s : gui::all_scenarios()) std::printf(" %s", s.name);
        std::printf("\n");
        return 2;
    }
    gui::install_sync(GetCurrentThreadId());
    HANDLE driver = CreateThread(
        nullptr, 0,
        [](void* s) -> DWORD {
            static_cast<const gui::Scenario*>(s)->run();
            return 0;
        },
        const_cast<gui::Scenario*>(chosen), 0, nullptr);
    const int status = lotto::win::run_application(GetModuleHandleW(nullptr));
    if (WaitForSingleObject(driver, 15000) != WAIT_OBJECT_0)
        gui::fail("the program runs until the scenario ends", "scenario done",
                  "start-up returned " + std::to_string(status) + " first");
    gui::expect_int(status, 0, "exit status of the start-up path after \"Quit\"");
    std::printf("OK %s\n", chosen->name);
    std::fflush(stdout);
    return 0;
}
