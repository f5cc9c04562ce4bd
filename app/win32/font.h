// A GDI font owned for the life of one dialog: created by face name and point size, deleted
// when the owner goes out of scope (after the dialog has closed).
#pragma once

#include <windows.h>

namespace lotto::win {

class Font {
  public:
    Font(const wchar_t* face, int points, int weight, BYTE charset = DEFAULT_CHARSET,
         bool italic = false);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT get() const { return font_; }

  private:
    HFONT font_ = nullptr;
};

// Gives control id of dialog the font (null fonts are left alone).
void set_font(HWND dialog, int id, const Font& font);
void set_font(HWND control, const Font& font);

} // namespace lotto::win
