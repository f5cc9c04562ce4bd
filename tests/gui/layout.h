// Where the dialogs put their controls and which fonts they give them. Expected pixel rectangles
// come from the dialog-unit tables, scaled with the dialog's own base units the way the dialog
// manager scales a template (position and size each rounded on their own).
#pragma once

#include <windows.h>

#include <span>
#include <string>

namespace gui {

struct Box {
    int id;
    int x, y, w, h; // dialog units
};

struct FontSpec {
    const char* face;
    int points;
    bool bold;
    bool italic;
    int charset; // -1: not checked
};

// The control with box.id sits exactly at the box, in pixels of the dialog's client area.
void expect_box(HWND dialog, const Box& box);
void expect_control_box(HWND dialog, HWND control, const Box& box); // for IDs used twice
void expect_boxes(HWND dialog, std::span<const Box> boxes);

// The dialog's client area is w x h dialog units and starts x, y dialog units from the client
// origin of relative_to (nullptr: from the screen origin).
void expect_dialog_box(HWND dialog, HWND relative_to, int x, int y, int w, int h);

// The font a control (or a dialog, for its dialog font) draws with.
void expect_font(HWND window, const FontSpec& font, const std::string& what);

} // namespace gui
