#include "app/win32/export_action.h"

#include "app/export_file.h"
#include "app/win32/app_state.h"
#include "app/win32/export_notice.h"
#include "app/win32/wide_text.h"

namespace lotto::win {

void export_combinations(HWND owner) {
    const AppState& state = app_state();
    const ExportResult result = export_to_file("", state.store.get(), state.stored_count);
    if (!result.ok) {
        const std::wstring text = widen(export_failure(result.path, result.reason));
        MessageBoxW(owner, text.c_str(), L"Export failed", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return;
    }
    const std::wstring text = widen(export_notice(result.path, result.seconds));
    MessageBoxW(nullptr, text.c_str(), L"Notify", MB_OK | MB_TASKMODAL);
}

} // namespace lotto::win
