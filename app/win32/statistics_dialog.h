// "Couning numbers": the number statistics count and its dialog "Stat of numbers".
#pragma once

#include <windows.h>

namespace lotto::win {

// Counts every number of the stored combinations, then shows the dialog modally over owner
// (the viewer); returns when "Cancel" has closed it.
void count_and_show_statistics(HWND owner);

} // namespace lotto::win
