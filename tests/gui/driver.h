// The driver's hands and eyes: finding the program's windows, reading and clicking their
// controls, the moves every scenario is made of, and stopping the whole process with a message
// as soon as something is not as expected. All of it runs on the driver thread while the
// program runs on the main thread.
#pragma once

#include "app/win32/app_state.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <functional>
#include <regex>
#include <span>
#include <string>
#include <vector>

namespace gui {

inline constexpr int LongWaitMs = 90000; // a full-system run or statistics count under Wine
inline const std::string MainCaption =
    "Filtering lotto 7/39 combinations - Quorrel - Tessel Filter 64 WIN32 DLL Functions Info";
inline constexpr int MessageTextId = 65535; // the text of a message box
// A time in seconds as the program prints it: up to four decimals, no trailing zero.
inline const std::string Seconds = "(0|[1-9][0-9]*)\\.([0-9]{0,3}[1-9])?";

// Prints the failure, the expected and the found value, and ends the process with status 1.
using Text = const std::string&;

[[noreturn]] inline void fail(Text what, Text expected, Text found) {
    std::printf("FAILED: %s\n  expected: %s\n  found:    %s\n", what.c_str(), expected.c_str(),
                found.c_str());
    TerminateProcess(GetCurrentProcess(), 1);
    for (;;) Sleep(1000);
}

inline void check(bool ok, Text what) {
    if (!ok) fail(what, "true", "false");
}
inline void expect(Text found, Text want, Text what) {
    if (found != want) fail(what, '"' + want + '"', '"' + found + '"');
}
inline void expect(long long found, long long want, Text what) {
    if (found != want) fail(what, std::to_string(want), std::to_string(found));
}
inline void expect_match(Text found, Text pattern, Text what) {
    if (!std::regex_match(found, std::regex(pattern))) fail(what, pattern, found);
}

inline std::string format(const char* pattern, auto... values) {
    char buf[128];
    std::snprintf(buf, sizeof buf, pattern, values...);
    return buf;
}

inline void wait_until(const std::function<bool()>& cond, Text what, int timeout_ms = 10000) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
    while (!cond()) {
        if (GetTickCount64() > end) fail(what, format("within %d ms", timeout_ms), "no");
        Sleep(10);
    }
}

// sync() posts a marker to the main thread and returns once a hook has seen it taken from the
// queue, that is once every message posted before it has been taken as well.
inline DWORD main_thread_id = 0;
inline std::atomic<unsigned> marker_sent{0}, marker_seen{0};
inline constexpr UINT SyncMarker = WM_APP + 0x3A7;

inline void install_sync(DWORD main_thread) {
    main_thread_id = main_thread;
    std::setvbuf(stdout, nullptr, _IONBF, 0); // every line out at once, even on TerminateProcess
    auto watch = [](int code, WPARAM removal, LPARAM msg_ptr) -> LRESULT {
        const MSG* m = reinterpret_cast<const MSG*>(msg_ptr);
        if (code == HC_ACTION && removal == PM_REMOVE && !m->hwnd && m->message == SyncMarker)
            marker_seen = static_cast<unsigned>(m->wParam);
        return CallNextHookEx(nullptr, code, removal, msg_ptr);
    };
    SetWindowsHookExW(WH_GETMESSAGE, watch, nullptr, main_thread);
}

inline void sync() {
    const unsigned seq = ++marker_sent;
    check(PostThreadMessageW(main_thread_id, SyncMarker, seq, 0) != 0, "queue a sync marker");
    wait_until([seq] { return marker_seen >= seq; }, "main thread takes the marker");
}

// Read without a message, so safe while the program is busy. The program's texts are ASCII.
inline std::string caption_of(HWND window) {
    wchar_t buf[512] = {};
    return std::string(buf, buf + InternalGetWindowText(window, buf, 512));
}

// A visible top-level window with exactly this caption, or nullptr.
inline HWND find_window(Text caption) {
    HWND window = FindWindowW(nullptr, std::wstring(caption.begin(), caption.end()).c_str());
    return window && IsWindowVisible(window) ? window : nullptr;
}

inline HWND wait_window(Text caption, int timeout_ms = 10000) {
    HWND window = nullptr;
    wait_until([&] { return (window = find_window(caption)) != nullptr; }, caption, timeout_ms);
    return window;
}

// Waits until dialog has gone and, if an owner is given, until it is enabled again and the main
// thread has caught up.
inline void wait_closed(HWND dialog, HWND owner, Text what) {
    wait_until([=] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, what);
    if (!owner) return;
    wait_until([owner] { return IsWindowEnabled(owner) != 0; }, what + ", owner enabled again");
    sync();
}

inline HWND item(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) fail("a control of " + caption_of(dialog), std::to_string(id), "none");
    return control;
}

inline LRESULT send(HWND window, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, msg, wp, lp, SMTO_NORMAL, 5000, &result))
        fail("message " + std::to_string(msg) + " to " + caption_of(window), "answer", "none");
    return static_cast<LRESULT>(result);
}

inline std::string text(HWND control) {
    wchar_t buf[2048] = {};
    return std::string(buf, buf + send(control, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buf)));
}
inline std::string item_text(HWND dialog, int id) { return text(item(dialog, id)); }
inline int list_count(HWND list) { return static_cast<int>(send(list, LB_GETCOUNT)); }

inline std::string list_line(HWND list, int index) { // the program's lines are short
    wchar_t buf[4096] = {};
    const LRESULT n = send(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buf));
    if (n < 0) fail(format("list line %d", index), "present", "LB_ERR");
    return std::string(buf, buf + n);
}

// Posted, so that a click opening a modal dialog does not block; then_sync: and taken.
inline void click(HWND dialog, int id, bool then_sync = false) {
    PostMessageW(item(dialog, id), BM_CLICK, 0, 0);
    if (then_sync) sync();
}

// A click as the user makes it: the cursor moves to the centre of control and the left button
// goes down and up through the input queue, where a disabled window does not take it.
inline void user_click(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    check(SendInput(2, input, sizeof(INPUT)) == 2, "a click through the input queue");
}

// A key pressed and released as the user does it, through the input queue.
inline void user_key(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    check(SendInput(2, input, sizeof(INPUT)) == 2, "a key through the input queue");
}

inline void post_key(HWND control, UINT key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

// The main thread's window with the keyboard focus, or its active window.
inline HWND focus_window(bool active = false) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(main_thread_id, &info); // leaves both null if it fails
    return active ? info.hwndActive : info.hwndFocus;
}

// "control <id> of <caption>" for a control, "<caption>" for a top-level window, or "nothing".
inline std::string describe_window(HWND window) {
    if (!window) return "nothing";
    HWND top = GetAncestor(window, GA_ROOT);
    const std::string caption = '"' + caption_of(top) + '"';
    return top == window ? caption : format("control %d of ", GetDlgCtrlID(window)) + caption;
}

// Waits until control id of dialog has the keyboard focus, dialog being the active window.
inline void expect_focus(HWND dialog, int id, Text what) {
    HWND want = item(dialog, id);
    const ULONGLONG end = GetTickCount64() + 5000;
    while (focus_window() != want || focus_window(true) != dialog) {
        if (GetTickCount64() > end)
            fail(what, describe_window(want),
                 describe_window(focus_window()) + ", active " +
                     describe_window(focus_window(true)));
        Sleep(10);
    }
}

// Where a control sits, in dialog units, its text (empty: not checked) and, if not -1, its kind
// (the style's SS_TYPEMASK bits). Expected pixel rectangles are scaled with the dialog's own
// base units the way the dialog manager scales a template: position and size rounded apart.
struct Box {
    int id, x, y, w, h;
    std::string text = {};
    LONG kind = -1;
};

inline RECT scaled(HWND dialog, const Box& b) {
    RECT u{0, 0, 4, 8};
    check(MapDialogRect(dialog, &u) != 0, "MapDialogRect on \"" + caption_of(dialog) + "\"");
    const int left = MulDiv(b.x, u.right, 4), top = MulDiv(b.y, u.bottom, 8);
    return {left, top, left + MulDiv(b.w, u.right, 4), top + MulDiv(b.h, u.bottom, 8)};
}

inline std::string describe(const RECT& r) {
    return format("%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
}

inline void expect_box(HWND dialog, HWND control, const Box& box) {
    const RECT want = scaled(dialog, box);
    RECT got{};
    GetWindowRect(control, &got);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&got), 2);
    // A list box without LBS_NOINTEGRALHEIGHT cuts its height down to whole lines, once for
    // the font it is created with and again when the dialog gives it its own font.
    wchar_t cls[32] = {};
    GetClassNameW(control, cls, 32);
    const long short_by = want.bottom - got.bottom;
    if (lstrcmpiW(cls, L"ListBox") == 0 &&
        (GetWindowLongW(control, GWL_STYLE) & LBS_NOINTEGRALHEIGHT) == 0 && short_by >= 0 &&
        short_by < 2 * send(control, LB_GETITEMHEIGHT))
        got.bottom = want.bottom;
    const std::string what = "control " + std::to_string(box.id) + " of " + caption_of(dialog);
    if (!EqualRect(&got, &want)) fail("rectangle of " + what, describe(want), describe(got));
    if (!box.text.empty()) expect(text(control), box.text, "text of " + what);
    if (box.kind >= 0) expect(GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK, box.kind, what);
}

inline void expect_boxes(HWND dialog, std::span<const Box> boxes) {
    for (const Box& b : boxes) expect_box(dialog, item(dialog, b.id), b);
}

// Every window has a title bar and a modal frame but no close box. Its client area is w x h
// dialog units at x, y from the client origin of relative_to (nullptr: the screen).
inline void expect_dialog_box(HWND dialog, HWND relative_to, int x, int y, int w, int h) {
    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    const bool framed = (style & WS_CAPTION) == WS_CAPTION && (style & DS_MODALFRAME);
    check(framed && !(style & WS_SYSMENU), caption_of(dialog) + ": title, modal frame, no close");
    RECT want = scaled(dialog, {0, x, y, w, h}), got{}, frame{};
    GetClientRect(dialog, &got);
    MapWindowPoints(dialog, relative_to, reinterpret_cast<POINT*>(&got), 2);
    GetWindowRect(dialog, &frame);
    // The dialog manager pulls a window whose frame would start above the screen down to it.
    if (frame.top == 0) OffsetRect(&want, 0, got.top - want.top);
    if (!EqualRect(&got, &want))
        fail("client area of " + caption_of(dialog), describe(want), describe(got));
}

// In the screenshots scenario only: prints "SHOT <name> <left> <top> <right> <bottom>" (the
// window with its frame, on the screen) and waits for scripts/screenshots.sh to write
// <name>.shot.
inline bool shooting = false;
inline void shot(const char* name, HWND window) {
    if (!shooting) return;
    sync();
    Sleep(300); // let the window finish painting
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("SHOT %s %ld %ld %ld %ld\n", name, r.left, r.top, r.right, r.bottom);
    const std::string done = std::string(name) + ".shot";
    wait_until([&] { return GetFileAttributesA(done.c_str()) != ~0u; }, done, 30000);
}

// Waits for the window with this caption, which must be owned by owner and disable it.
inline HWND wait_owned(Text caption, HWND owner, int timeout_ms = 10000) {
    HWND window = wait_window(caption, timeout_ms);
    check(GetWindow(window, GW_OWNER) == owner && !IsWindowEnabled(owner), caption + " modal");
    return window;
}

// Clicks button id of dialog and waits until the dialog has gone and its owner, if given, is
// enabled again: OK of a message box, "End view", "Quit", "Cancel" of the statistics.
inline void close_with(HWND dialog, int id, HWND owner = nullptr) {
    const std::string what = caption_of(dialog) + format(" closes on %d", id);
    click(dialog, id);
    wait_closed(dialog, owner, what);
}

// Waits for the Info dialog, lets examine look at it, presses "Continue" and returns the main
// window, which must come up with the Info dialog destroyed.
inline HWND pass_info(void (*examine)(HWND) = nullptr) {
    HWND info = wait_window("Quorrel");
    shot("info", info);
    if (examine) examine(info);
    close_with(info, 1720);
    HWND main = wait_window(MainCaption);
    shot("main", main);
    check(!IsWindow(info), "the Info dialog is destroyed once the main window is up");
    return main;
}

// Clicks a parameter, range or array button; the pick dialog must be owned by the main window,
// which it disables.
inline HWND open_pick(HWND main, int button) {
    click(main, button);
    HWND pick = wait_owned("Enter number", main);
    shot("pick", pick);
    return pick;
}

inline constexpr int NoSelection = -1, Enter = 1903, Cancel = 1904;

// Selects list line index (or nothing), confirms with a button or a key (VK_RETURN, VK_ESCAPE)
// and waits until the dialog has gone and the main window is enabled again.
inline void finish_pick(HWND main, HWND pick, int index, int how) {
    HWND list = item(pick, 1905);
    if (index != NoSelection) expect(send(list, LB_SETCURSEL, index), index, "select a line");
    how > 1000 ? click(pick, how) : post_key(list, how);
    wait_closed(pick, main, "the pick dialog closes");
}

// "Count and store": checks the four-line report for this count, closes it (with close, if
// given) and returns the viewer.
inline HWND count_and_store(HWND main, uint32_t expected_count,
                            const std::function<void(HWND report)>& close = {}) {
    click(main, 1202);
    HWND report = wait_window("Info", LongWaitMs);
    shot("report", report);
    check(!GetWindow(report, GW_OWNER) && !GetDlgItem(report, IDCANCEL),
          "the count report: no owner, an OK button only");
    check(!IsWindowEnabled(main), "the main window takes no input while the count report is up");
    const std::string tail = "Full system 15380937 combinations\rNumber of filtered combinations:";
    expect_match(item_text(report, MessageTextId),
                 "Active filters\rJob done in:" + Seconds + " seconds\r" + tail +
                     std::to_string(expected_count),
                 "count report text");
    expect(lotto::win::app_state().stored_count, expected_count, "stored count");
    close ? close(report) : close_with(report, IDOK);
    HWND viewer = wait_owned("View combinations", main);
    sync();
    shot("viewer", viewer);
    return viewer;
}

// The combinations of 7 out of 1..39 in lexicographic order, worked out here with plain loops
// rather than with the program's own code.
using Combination = std::array<int, 7>;

inline void for_each_combination(const std::function<void(const Combination&)>& visit) {
    for (Combination c{1, 2, 3, 4, 5, 6, 7};;) {
        visit(c);
        int pos = 6; // the rightmost position that can still grow
        while (pos >= 0 && c[pos] == 33 + pos) --pos;
        if (pos < 0) return;
        for (int next = c[pos] + 1; pos < 7; ++pos) c[pos] = next++;
    }
}

} // namespace gui
