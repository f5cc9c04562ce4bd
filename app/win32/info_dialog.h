// The Info dialog "Quorrel": the application's introduction, shown once before the main window.
#pragma once

namespace lotto::win {

// Shows the dialog modally without owner; returns when "Continue" has closed it.
void show_info_dialog();

} // namespace lotto::win
