#include "app/win32/export_action.h"

#include "app/export_file.h"
#include "app/format.h"
#include "app/win32/app_state.h"
#include "app/win32/wide_text.h"

#include <cmath>

namespace lotto::win {

namespace {

// Seconds with exactly three decimals ("0.042"); the times are never negative.
std::string seconds_text(double seconds) {
    const uint64_t ms = static_cast<uint64_t>(std::llround(seconds > 0 ? seconds * 1000 : 0));
    return format_plain(ms / 1000) + "." + format_zero_padded(ms % 1000, 3);
}

} // namespace

std::string export_notice(const std::string& file_name, double seconds) {
    return "We store combinations  in file " + file_name + " in " + seconds_text(seconds) +
           " seconds";
}

void export_combinations(HWND owner) {
    const AppState& state = app_state();
    const ExportResult result = export_to_file("", state.store.get(), state.stored_count);
    const std::string name = export_file_name(state.stored_count);
    if (!result.ok) {
        const std::wstring text =
            widen("The combinations could not be stored in file " + name + ": " + result.error);
        MessageBoxW(owner, text.c_str(), L"Export failed", MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return;
    }
    const std::wstring text = widen(export_notice(name, result.seconds));
    MessageBoxW(nullptr, text.c_str(), L"Notify", MB_OK | MB_TASKMODAL);
}

} // namespace lotto::win
