#include "app/win32/count_run.h"

#include "app/clock.h"
#include "app/report.h"
#include "app/win32/app_state.h"
#include "app/win32/viewer_dialog.h"
#include "app/win32/wide_text.h"

namespace lotto::win {

void count_and_store(HWND main) {
    AppState& state = app_state();
    const Stopwatch clock;
    state.stored_count = run(state.settings, HighestNumber, state.store.get(), default_threads());
    const double seconds = clock.seconds();
    state.viewer_count = state.stored_count;

    const std::wstring text = widen(report_text(seconds, state.stored_count));
    // Without an owner, but task-modal: the main window takes no input while the report is up,
    // so neither a second run nor "Quit" can start underneath it.
    MessageBoxW(nullptr, text.c_str(), L"Info", MB_OK | MB_TASKMODAL);
    show_viewer(main);
}

} // namespace lotto::win
