// "to txt file": writes the stored combinations to the export file and says how it went.
#pragma once

#include <windows.h>

namespace lotto::win {

// Writes the file into the current directory; "Notify" names it and the time taken, an error
// box names it and the reason when it could not be written. owner is the viewer.
void export_combinations(HWND owner);

} // namespace lotto::win
