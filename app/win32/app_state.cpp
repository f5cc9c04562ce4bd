#include "app/win32/app_state.h"

namespace lotto::win {

AppState& app_state() {
    static AppState state;
    return state;
}

} // namespace lotto::win
