// The driver's hands and eyes: finding the program's windows, reading and clicking their
// controls, the moves every scenario is made of, and stopping the whole process with a message
// as soon as something is not as expected. All of it runs on the driver thread while the
// program runs on the main thread.
#pragma once

#include "app/win32/app_state.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <functional>
#include <span>
#include <string>

namespace gui {

inline constexpr int LongWaitMs = 90000; // a full-system run or statistics count under Wine
inline const std::string MainCaption =
    "Filtering lotto 7/39 combinations - Quorrel - Tessel Filter 64 WIN32 DLL Functions Info";
inline constexpr int MessageTextId = 65535; // the text of a message box

struct Scenario {
    const char* name;
    void (*run)();
};
std::span<const Scenario> all_scenarios();

// Prints the failure, the expected and the found value, and ends the process with status 1.
[[noreturn]] inline void fail(const std::string& what, const std::string& expected,
                              const std::string& found) {
    std::printf("FAILED: %s\n  expected: %s\n  found:    %s\n", what.c_str(), expected.c_str(),
                found.c_str());
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 1);
    for (;;) Sleep(1000);
}

inline void check(bool ok, const std::string& what) {
    if (!ok) fail(what, "true", "false");
}

inline void expect_text(const std::string& found, const std::string& expected,
                        const std::string& what) {
    if (found != expected) fail(what, '"' + expected + '"', '"' + found + '"');
}

inline void expect_int(long long found, long long expected, const std::string& what) {
    if (found != expected) fail(what, std::to_string(expected), std::to_string(found));
}

inline void wait_until(const std::function<bool()>& cond, const std::string& what,
                       int timeout_ms = 10000) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
    while (!cond()) {
        if (GetTickCount64() > end)
            fail(what, "within " + std::to_string(timeout_ms) + " ms", "timed out");
        Sleep(10);
    }
}

// sync() posts a marker to the main thread and returns once a hook has seen it taken from the
// queue, that is once every message posted before it has been taken as well.
inline DWORD main_thread_id = 0;
inline std::atomic<unsigned> marker_sent{0}, marker_seen{0};
inline constexpr UINT SyncMarker = WM_APP + 0x3A7;

inline LRESULT CALLBACK watch_queue(int code, WPARAM removal, LPARAM msg_ptr) {
    const MSG* msg = reinterpret_cast<const MSG*>(msg_ptr);
    if (code == HC_ACTION && removal == PM_REMOVE && !msg->hwnd && msg->message == SyncMarker)
        marker_seen = static_cast<unsigned>(msg->wParam);
    return CallNextHookEx(nullptr, code, removal, msg_ptr);
}

inline void install_sync(DWORD main_thread) {
    main_thread_id = main_thread;
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // make sure the thread has a queue
    SetWindowsHookExW(WH_GETMESSAGE, watch_queue, nullptr, main_thread);
}

inline void sync() {
    const unsigned seq = ++marker_sent;
    check(PostThreadMessageW(main_thread_id, SyncMarker, seq, 0) != 0, "queue a sync marker");
    wait_until([seq] { return marker_seen >= seq; }, "main thread takes the marker");
}

// Read without a message, so safe while the program is busy. The program's texts are ASCII.
inline std::string caption_of(HWND window) {
    wchar_t buf[512] = {};
    const int n = InternalGetWindowText(window, buf, 512);
    return std::string(buf, buf + n);
}

// A visible top-level window with exactly this caption, or nullptr.
inline HWND find_window(const std::string& caption) {
    HWND window = FindWindowW(nullptr, std::wstring(caption.begin(), caption.end()).c_str());
    return window && IsWindowVisible(window) ? window : nullptr;
}

inline HWND wait_window(const std::string& caption, int timeout_ms = 10000) {
    HWND window = nullptr;
    wait_until([&] { return (window = find_window(caption)) != nullptr; }, caption, timeout_ms);
    return window;
}

inline void wait_gone(HWND window, const std::string& what) {
    wait_until([window] { return !IsWindow(window) || !IsWindowVisible(window); }, what);
}

inline HWND item(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) fail("a control of \"" + caption_of(dialog) + "\"", std::to_string(id), "none");
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

inline bool is_checked(HWND dlg, int id) { return send(item(dlg, id), BM_GETCHECK) == BST_CHECKED; }

inline int list_count(HWND list) { return static_cast<int>(send(list, LB_GETCOUNT)); }

inline std::string list_line(HWND list, int index) {
    const LRESULT len = send(list, LB_GETTEXTLEN, index);
    if (len < 0) fail("list line " + std::to_string(index), "present", "LB_ERR");
    std::wstring buf(static_cast<size_t>(len) + 1, L'\0');
    send(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buf.data()));
    return std::string(buf.begin(), buf.begin() + len);
}

// Posted, so that a click opening a modal dialog does not block.
inline void click(HWND dialog, int id) { PostMessageW(item(dialog, id), BM_CLICK, 0, 0); }

inline void post_key(HWND control, UINT key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

// The main thread's window with the keyboard focus, or its active window.
inline HWND focus_window(bool active = false) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(main_thread_id, &info)) return nullptr;
    return active ? info.hwndActive : info.hwndFocus;
}

// Where a control sits, in dialog units, and its text (nullptr: not checked). Expected pixel
// rectangles are scaled with the dialog's own base units the way the dialog manager scales a
// template: position and size each rounded on their own.
struct Box {
    int id, x, y, w, h;
    const char* text = nullptr;
};

inline RECT scaled(HWND dialog, int x, int y, int w, int h) {
    RECT b{0, 0, 4, 8};
    check(MapDialogRect(dialog, &b) != 0, "MapDialogRect on \"" + caption_of(dialog) + "\"");
    const int left = MulDiv(x, b.right, 4), top = MulDiv(y, b.bottom, 8);
    return {left, top, left + MulDiv(w, b.right, 4), top + MulDiv(h, b.bottom, 8)};
}

inline std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

inline void expect_box(HWND dialog, HWND control, const Box& box) {
    const RECT want = scaled(dialog, box.x, box.y, box.w, box.h);
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
    if (!EqualRect(&got, &want))
        fail("rectangle of " + std::to_string(box.id) + " in " + caption_of(dialog), describe(want),
             describe(got));
}

inline void expect_boxes(HWND dialog, std::span<const Box> boxes) {
    for (const Box& b : boxes) {
        expect_box(dialog, item(dialog, b.id), b);
        if (b.text)
            expect_text(item_text(dialog, b.id), b.text,
                        "text of control " + std::to_string(b.id) + " in \"" + caption_of(dialog) +
                            "\"");
    }
}

// Every window has a title bar and a modal frame but no close box. Its client area is w x h
// dialog units at x, y from the client origin of relative_to (nullptr: the screen).
inline void expect_dialog_box(HWND dialog, HWND relative_to, int x, int y, int w, int h) {
    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    check((style & WS_CAPTION) == WS_CAPTION && (style & DS_MODALFRAME) && !(style & WS_SYSMENU),
          '"' + caption_of(dialog) + "\" has a title bar and a modal frame, no close box");
    const RECT want = scaled(dialog, x, y, w, h);
    POINT origin{0, 0};
    if (relative_to) ClientToScreen(relative_to, &origin);
    RECT client{}, frame{};
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -origin.x, -origin.y);
    GetWindowRect(dialog, &frame);
    // The dialog manager pulls a window whose frame would start above the screen down to it.
    if (client.left != want.left || (client.top != want.top && frame.top != 0) ||
        client.right - client.left != want.right - want.left ||
        client.bottom - client.top != want.bottom - want.top)
        fail("client area of \"" + caption_of(dialog) + "\"", describe(want), describe(client));
}

// s is head, a time in seconds, then tail. The time has digits, a point and exactly `decimals`
// decimals, or (not exact) up to that many without a trailing zero, as the masks print it.
inline void expect_timed(const std::string& s, const std::string& head, const std::string& tail,
                         size_t decimals, bool exact, const std::string& what) {
    bool ok = s.size() > head.size() + tail.size() && s.starts_with(head) && s.ends_with(tail);
    const std::string t = ok ? s.substr(head.size(), s.size() - head.size() - tail.size()) : "";
    const size_t point = t.find('.'), n = t.size() - point - 1;
    ok = ok && point != std::string::npos && point > 0 && (point == 1 || t[0] != '0') &&
         (exact ? n == decimals : n <= decimals && (n == 0 || t.back() != '0'));
    for (size_t i = 0; ok && i < t.size(); ++i)
        ok = i == point || std::isdigit(static_cast<unsigned char>(t[i]));
    if (!ok) fail(what, head + "<seconds>" + tail, s);
}

inline void press_ok(HWND box) {
    click(box, IDOK);
    wait_gone(box, "the message box \"" + caption_of(box) + "\" closes on OK");
}

// Waits for the Info dialog, presses "Continue" and returns the main window.
inline HWND pass_info() {
    HWND info = wait_window("Quorrel");
    click(info, 1720);
    wait_gone(info, "the Info dialog closes on \"Continue\"");
    return wait_window(MainCaption);
}

// Clicks a parameter, range or array button; the pick dialog must be owned by the main window,
// which it disables.
inline HWND open_pick(HWND main, int button) {
    click(main, button);
    HWND dialog = wait_window("Enter number");
    check(GetWindow(dialog, GW_OWNER) == main && !IsWindowEnabled(main),
          "the pick dialog of " + std::to_string(button) + " is owned by and disables main");
    return dialog;
}

enum class Confirm { EnterButton, CancelButton, EnterKey, EscapeKey };
inline constexpr int NoSelection = -1;

// Selects list line index (or nothing), confirms as told, waits until the dialog has gone and
// the main window is enabled again.
inline void finish_pick(HWND main, HWND pick, int index, Confirm how) {
    HWND list = item(pick, 1905);
    if (index != NoSelection) expect_int(send(list, LB_SETCURSEL, index), index, "select a line");
    if (how == Confirm::EnterButton || how == Confirm::CancelButton)
        click(pick, how == Confirm::EnterButton ? 1903 : 1904);
    else
        post_key(list, how == Confirm::EnterKey ? VK_RETURN : VK_ESCAPE);
    wait_gone(pick, "the pick dialog closes");
    wait_until([main] { return IsWindowEnabled(main) != 0; }, "main enabled after the pick");
    sync();
}

inline void toggle_filter(HWND main, int k) {
    click(main, 1000 + k);
    sync();
}

// "Count and store": checks the four-line report for this count, closes it and returns the
// viewer.
inline HWND count_and_store(HWND main, uint32_t expected_count) {
    click(main, 1202);
    HWND report = wait_window("Info", LongWaitMs);
    check(!GetWindow(report, GW_OWNER) && IsWindowEnabled(main) && !GetDlgItem(report, IDCANCEL),
          "the count report: no owner, main window enabled, an OK button only");
    expect_timed(item_text(report, MessageTextId), "Active filters\rJob done in:",
                 " seconds\rFull system 15380937 combinations\rNumber of filtered combinations:" +
                     std::to_string(expected_count),
                 4, false, "count report text");
    expect_int(lotto::win::app_state().stored_count, expected_count, "stored count");
    press_ok(report);
    HWND viewer = wait_window("View combinations");
    check(GetWindow(viewer, GW_OWNER) == main && !IsWindowEnabled(main),
          "the viewer is owned by the main window and disables it");
    sync();
    return viewer;
}

inline void end_view(HWND main, HWND viewer) {
    click(viewer, 1730);
    wait_gone(viewer, "the viewer closes on \"End view\"");
    wait_until([main] { return IsWindowEnabled(main) != 0; }, "main enabled after \"End view\"");
    sync();
}

inline void quit(HWND main) {
    click(main, 1203);
    wait_gone(main, "the main window closes on \"Quit\"");
}

// The combinations of 7 out of 1..39 in lexicographic order, worked out here from first
// principles (binomial ranking, plain loops) rather than with the program's own code.
using Combination = std::array<int, 7>;

inline Combination combination_at(uint32_t index) { // 0-based
    auto choose = [](int n, int k) {
        uint64_t r = 1;
        for (int i = 1; i <= k; ++i) r = r * static_cast<uint64_t>(n - k + i) / i;
        return k <= n ? r : 0;
    };
    Combination c{};
    uint64_t rest = index;
    for (int pos = 0, next = 1; pos < 7; ++pos, ++next) {
        for (; rest >= choose(39 - next, 6 - pos); ++next) rest -= choose(39 - next, 6 - pos);
        c[pos] = next;
    }
    return c;
}

inline void for_each_combination(const std::function<void(const Combination&)>& visit) {
    Combination c{1, 2, 3, 4, 5, 6, 7};
    for (;;) {
        visit(c);
        int pos = 6; // the rightmost position that can still grow
        while (pos >= 0 && c[pos] == 33 + pos) --pos;
        if (pos < 0) return;
        ++c[pos];
        for (int j = pos + 1; j < 7; ++j) c[j] = c[j - 1] + 1;
    }
}

inline std::string two_digits(int n) {
    return std::string(1, char('0' + n / 10)) + char('0' + n % 10);
}

} // namespace gui
