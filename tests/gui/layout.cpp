#include "tests/gui/layout.h"

#include "tests/gui/driver.h"

namespace gui {

namespace {

struct BaseUnits {
    int x, y;
};

BaseUnits base_units(HWND dialog) {
    RECT r{0, 0, 4, 8};
    check(MapDialogRect(dialog, &r) != 0, "MapDialogRect on \"" + caption_of(dialog) + "\"");
    return {r.right, r.bottom};
}

std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

RECT scaled(BaseUnits b, int x, int y, int w, int h) {
    const int left = MulDiv(x, b.x, 4), top = MulDiv(y, b.y, 8);
    return {left, top, left + MulDiv(w, b.x, 4), top + MulDiv(h, b.y, 8)};
}

bool same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A list box without LBS_NOINTEGRALHEIGHT cuts its height down to a whole number of lines, once
// for the font it is created with and again when the dialog gives it its own font.
bool shrunk_to_whole_lines(HWND control, const RECT& got, const RECT& want) {
    wchar_t cls[32] = {};
    GetClassNameW(control, cls, 32);
    if (lstrcmpiW(cls, L"ListBox") != 0 ||
        (GetWindowLongW(control, GWL_STYLE) & LBS_NOINTEGRALHEIGHT) != 0)
        return false;
    DWORD_PTR line = 0;
    SendMessageTimeoutW(control, LB_GETITEMHEIGHT, 0, 0, SMTO_NORMAL, 5000, &line);
    const long short_by = want.bottom - got.bottom;
    return short_by >= 0 && short_by < 2 * static_cast<long>(line);
}

} // namespace

void expect_box(HWND dialog, const Box& box) {
    expect_control_box(dialog, item(dialog, box.id), box);
}

void expect_control_box(HWND dialog, HWND control, const Box& box) {
    const RECT want = scaled(base_units(dialog), box.x, box.y, box.w, box.h);
    RECT got{};
    GetWindowRect(control, &got);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&got), 2);
    if (shrunk_to_whole_lines(control, got, want)) got.bottom = want.bottom;
    if (!same(got, want))
        fail("rectangle of control " + std::to_string(box.id) + " in \"" + caption_of(dialog) +
                 "\" (" + std::to_string(box.x) + "," + std::to_string(box.y) + " " +
                 std::to_string(box.w) + "x" + std::to_string(box.h) + " dialog units)",
             describe(want), describe(got));
}

void expect_boxes(HWND dialog, std::span<const Box> boxes) {
    for (const Box& b : boxes) expect_box(dialog, b);
}

void expect_dialog_box(HWND dialog, HWND relative_to, int x, int y, int w, int h) {
    const std::string what = "client area of \"" + caption_of(dialog) + "\"";
    const RECT want = scaled(base_units(dialog), x, y, w, h);
    POINT origin{0, 0};
    if (relative_to) ClientToScreen(relative_to, &origin);
    RECT client{};
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -origin.x, -origin.y);
    if (client.right - client.left != want.right - want.left ||
        client.bottom - client.top != want.bottom - want.top)
        fail(what + " size", describe(want), describe(client));
    RECT frame{};
    GetWindowRect(dialog, &frame);
    // The dialog manager pulls a window whose frame would start above the screen down to it.
    const bool pulled_down = frame.top == 0;
    if (client.left != want.left || (client.top != want.top && !pulled_down))
        fail(what + " position", describe(want), describe(client));
}

void expect_font(HWND window, const FontSpec& font, const std::string& what) {
    DWORD_PTR handle = 0;
    if (!SendMessageTimeoutW(window, WM_GETFONT, 0, 0, SMTO_NORMAL, 5000, &handle) || !handle)
        fail(what + ": font", font.face, "no font set");
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(handle), sizeof lf, &lf);
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(font.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    const std::string face = utf8(lf.lfFaceName);
    expect_text(face, font.face, what + ": font face");
    expect_int(lf.lfHeight, height,
               what + ": font height for " + std::to_string(font.points) + " points");
    expect_int(lf.lfWeight >= FW_BOLD, font.bold, what + ": font is bold");
    expect_int(lf.lfItalic != 0, font.italic, what + ": font is italic");
    if (font.charset >= 0) expect_int(lf.lfCharSet, font.charset, what + ": character set");
}

} // namespace gui
