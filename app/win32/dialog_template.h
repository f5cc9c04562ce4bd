// An in-memory dialog template (DLGTEMPLATEEX layout) built control by control and handed to
// DialogBoxIndirectParamW. Dialog units come from the dialog font, "MS Sans Serif" 8 points bold.
#pragma once

#include "app/win32/dialog_rect.h"

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace lotto::win {

// Predefined window classes, by the atoms a template names them with.
enum class ControlClass : WORD {
    Button = 0x0080,
    Edit = 0x0081,
    Static = 0x0082,
    ListBox = 0x0083,
};

// Every window of the program: title bar and modal frame, no system menu and so no close box.
inline constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;

class DialogTemplate {
  public:
    DialogTemplate(std::wstring_view caption, DialogRect rect, DWORD style = DialogStyle,
                   DWORD ex_style = 0);

    // Appends one control; its record starts on a DWORD boundary and the item count grows by one.
    void add_control(ControlClass cls, int id, std::wstring_view text, DialogRect rect, DWORD style,
                     DWORD ex_style = 0);

    void add_checkbox(int id, std::wstring_view text, DialogRect rect);
    void add_button(int id, std::wstring_view text, DialogRect rect);
    void add_static(int id, std::wstring_view text, DialogRect rect, DWORD align = SS_LEFT);
    void add_listbox(int id, DialogRect rect, DWORD style, DWORD ex_style = 0);

    int count() const { return count_; }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

  private:
    void put_word(WORD w);
    void put_dword(DWORD d);
    void put_text(std::wstring_view text);
    void align_dword();

    std::vector<uint8_t> bytes_;
    std::size_t count_offset_ = 0;
    int count_ = 0;
};

// Shows the template modally over owner (may be null); param reaches WM_INITDIALOG as lParam.
INT_PTR run_dialog(const DialogTemplate& t, HWND owner, DLGPROC proc, LPARAM param = 0);

} // namespace lotto::win
