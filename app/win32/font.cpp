#include "app/win32/font.h"

namespace lotto::win {

Font::Font(const wchar_t* face, int points, int weight, BYTE charset, bool italic) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font_ = CreateFontW(height, 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE, charset,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face);
}

Font::~Font() {
    if (font_) DeleteObject(font_);
}

void set_font(HWND control, const Font& font) {
    if (control && font.get())
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
}

void set_font(HWND dialog, int id, const Font& font) { set_font(GetDlgItem(dialog, id), font); }

} // namespace lotto::win
