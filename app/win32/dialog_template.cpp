#include "app/win32/dialog_template.h"

#include <cassert>

namespace lotto::win {

namespace {

constexpr wchar_t DialogFontFace[] = L"MS Sans Serif";
constexpr WORD DialogFontPoints = 8;
constexpr WORD DialogFontWeight = FW_BOLD;

} // namespace

DialogTemplate::DialogTemplate(std::wstring_view caption, DialogRect rect, DWORD style,
                               DWORD ex_style) {
    bytes_.reserve(4096);
    put_word(1);      // dlgVer
    put_word(0xFFFF); // signature: the extended layout
    put_dword(0);     // helpID
    put_dword(ex_style);
    put_dword(style | DS_SETFONT);
    count_offset_ = bytes_.size();
    put_word(0); // cDlgItems, patched by add_control
    put_word(static_cast<WORD>(rect.x));
    put_word(static_cast<WORD>(rect.y));
    put_word(static_cast<WORD>(rect.w));
    put_word(static_cast<WORD>(rect.h));
    put_word(0); // no menu
    put_word(0); // the predefined dialog class
    put_text(caption);
    put_word(DialogFontPoints);
    put_word(DialogFontWeight);
    bytes_.push_back(FALSE);           // italic
    bytes_.push_back(DEFAULT_CHARSET); // charset
    put_text(DialogFontFace);
}

void DialogTemplate::add_control(ControlClass cls, int id, std::wstring_view text, DialogRect rect,
                                 DWORD style, DWORD ex_style) {
    assert(count_ < 0xFFFF);
    align_dword();
    put_dword(0); // helpID
    put_dword(ex_style);
    put_dword(style | WS_CHILD | WS_VISIBLE);
    put_word(static_cast<WORD>(rect.x));
    put_word(static_cast<WORD>(rect.y));
    put_word(static_cast<WORD>(rect.w));
    put_word(static_cast<WORD>(rect.h));
    put_dword(static_cast<DWORD>(id));
    put_word(0xFFFF); // the class is given by its atom
    put_word(static_cast<WORD>(cls));
    put_text(text);
    put_word(0); // no creation data
    ++count_;
    const WORD n = static_cast<WORD>(count_);
    bytes_[count_offset_] = static_cast<uint8_t>(n & 0xFF);
    bytes_[count_offset_ + 1] = static_cast<uint8_t>(n >> 8);
}

void DialogTemplate::add_checkbox(int id, std::wstring_view text, DialogRect rect) {
    add_control(ControlClass::Button, id, text, rect, BS_AUTOCHECKBOX | WS_TABSTOP);
}

void DialogTemplate::add_button(int id, std::wstring_view text, DialogRect rect) {
    add_control(ControlClass::Button, id, text, rect, BS_PUSHBUTTON | WS_TABSTOP);
}

void DialogTemplate::add_static(int id, std::wstring_view text, DialogRect rect, DWORD align) {
    add_control(ControlClass::Static, id, text, rect, align);
}

void DialogTemplate::add_listbox(int id, DialogRect rect, DWORD style, DWORD ex_style) {
    add_control(ControlClass::ListBox, id, L"", rect, style | WS_TABSTOP, ex_style);
}

void DialogTemplate::put_word(WORD w) {
    bytes_.push_back(static_cast<uint8_t>(w & 0xFF));
    bytes_.push_back(static_cast<uint8_t>(w >> 8));
}

void DialogTemplate::put_dword(DWORD d) {
    put_word(static_cast<WORD>(d & 0xFFFF));
    put_word(static_cast<WORD>(d >> 16));
}

void DialogTemplate::put_text(std::wstring_view text) {
    for (wchar_t c : text) put_word(static_cast<WORD>(c));
    put_word(0);
}

void DialogTemplate::align_dword() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
}

INT_PTR run_dialog(const DialogTemplate& t, HWND owner, DLGPROC proc, LPARAM param) {
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.get(), owner, proc, param);
}

} // namespace lotto::win
