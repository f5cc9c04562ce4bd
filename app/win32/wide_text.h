// The program's texts are built as narrow (ASCII) strings by the portable core; the window
// functions take them as wide strings.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace lotto::win {

std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

// Sets the text of control id of dialog.
void set_text(HWND dialog, int id, std::string_view text);

} // namespace lotto::win
