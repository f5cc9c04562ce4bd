#include "app/win32/application.h"

#include "app/win32/app_state.h"
#include "app/win32/info_dialog.h"
#include "app/win32/main_window.h"

#include <commctrl.h>

namespace lotto::win {

namespace {

// What InitCommonControlsEx takes: the structure's size and the classes to register.
struct CommonControlsRequest {
    DWORD size;
    DWORD classes;
};
static_assert(sizeof(CommonControlsRequest) == 8);

constexpr DWORD CommonControlClasses = 0x9FF; // Win95, date and internet classes

void init_common_controls() {
    HMODULE comctl = LoadLibraryA("COMCTL32.DLL");
    if (!comctl) return;
    using InitEx = BOOL(WINAPI*)(const CommonControlsRequest*);
    auto init_ex = reinterpret_cast<InitEx>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")));
    if (init_ex) {
        const CommonControlsRequest request = {sizeof(CommonControlsRequest), CommonControlClasses};
        init_ex(&request);
    } else {
        InitCommonControls();
    }
    FreeLibrary(comctl);
}

} // namespace

int run_application(HINSTANCE) {
    AppState& state = app_state();
    state.store = allocate_store();
    if (!state.store) {
        MessageBoxW(nullptr,
                    L"Not enough memory: the result store of 108,000,001 bytes could not be "
                    L"allocated. The program ends.",
                    L"Filtering lotto 7/39 combinations", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return 1;
    }
    init_defaults(state.settings);
    state.stored_count = 0;
    state.viewer_count = 0;
    state.statistics = {};

    init_common_controls();
    show_info_dialog();
    show_main_window();
    return 0;
}

} // namespace lotto::win
