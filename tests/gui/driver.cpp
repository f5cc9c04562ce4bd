#include "tests/gui/driver.h"

#include <atomic>
#include <cstdio>

namespace gui {

namespace {

constexpr UINT SyncMarker = WM_APP + 0x3A7;
constexpr UINT ReadTimeoutMs = 5000;
constexpr int PollMs = 10;

DWORD main_thread_id = 0;
std::atomic<unsigned> marker_sent{0};
std::atomic<unsigned> marker_seen{0};

LRESULT CALLBACK watch_queue(int code, WPARAM removal, LPARAM msg_ptr) {
    const MSG* msg = reinterpret_cast<const MSG*>(msg_ptr);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->hwnd == nullptr &&
        msg->message == SyncMarker)
        marker_seen = static_cast<unsigned>(msg->wParam);
    return CallNextHookEx(nullptr, code, removal, msg_ptr);
}

LRESULT send(HWND window, UINT msg, WPARAM wp, LPARAM lp, const char* what) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, msg, wp, lp, SMTO_NORMAL, ReadTimeoutMs, &result))
        fail(what, "an answer within 5 s", "no answer (program busy or window gone)");
    return static_cast<LRESULT>(result);
}

struct Search {
    std::wstring caption;
    std::vector<HWND> found;
    bool any = false;
};

BOOL CALLBACK collect(HWND window, LPARAM search_ptr) {
    auto* search = reinterpret_cast<Search*>(search_ptr);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    if (!search->any) {
        wchar_t buf[512] = {};
        InternalGetWindowText(window, buf, 512);
        if (search->caption != buf) return TRUE;
    }
    search->found.push_back(window);
    return TRUE;
}

} // namespace

void fail(const std::string& what, const std::string& expected, const std::string& found) {
    std::printf("FAILED: %s\n  expected: %s\n  found:    %s\n", what.c_str(), expected.c_str(),
                found.c_str());
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 1);
    for (;;) Sleep(1000);
}

void check(bool ok, const std::string& what) {
    if (!ok) fail(what, "true", "false");
}

void expect_text(const std::string& found, const std::string& expected, const std::string& what) {
    if (found != expected) fail(what, quoted(expected), quoted(found));
}

void expect_int(long long found, long long expected, const std::string& what) {
    if (found != expected) fail(what, std::to_string(expected), std::to_string(found));
}

void note(const std::string& line) {
    std::printf("  %s\n", line.c_str());
    std::fflush(stdout);
}

void install_sync(DWORD main_thread) {
    main_thread_id = main_thread;
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // make sure the thread has a queue
    SetWindowsHookExW(WH_GETMESSAGE, watch_queue, nullptr, main_thread);
}

void sync() {
    const unsigned seq = ++marker_sent;
    if (!PostThreadMessageW(main_thread_id, SyncMarker, seq, 0))
        fail("queue a marker for the main thread", "posted", "PostThreadMessage failed");
    wait_until([seq] { return marker_seen >= seq; }, "main thread takes the marker");
}

void wait_until(const std::function<bool()>& cond, const std::string& what, int timeout_ms) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
    while (!cond()) {
        if (GetTickCount64() > end)
            fail(what, "within " + std::to_string(timeout_ms) + " ms", "timed out");
        Sleep(PollMs);
    }
}

HWND find_window(const std::string& caption) {
    Search search{wide(caption), {}, false};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

HWND wait_window(const std::string& caption, int timeout_ms) {
    HWND window = nullptr;
    wait_until([&] { return (window = find_window(caption)) != nullptr; },
               "window \"" + caption + "\" appears", timeout_ms);
    return window;
}

void wait_gone(HWND window, const std::string& what, int timeout_ms) {
    wait_until([window] { return !IsWindow(window) || !IsWindowVisible(window); }, what,
               timeout_ms);
}

std::vector<HWND> top_windows() {
    Search search{{}, {}, true};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string caption_of(HWND window) {
    wchar_t buf[512] = {};
    InternalGetWindowText(window, buf, 512);
    return utf8(buf);
}

HWND item(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        fail("control " + std::to_string(id) + " in \"" + caption_of(dialog) + "\"", "present",
             "missing");
    return control;
}

std::vector<HWND> items(HWND dialog, int id) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (GetDlgCtrlID(c) == id) out.push_back(c);
    return out;
}

std::string text(HWND control) {
    wchar_t buf[2048] = {};
    send(control, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buf), "read a control's text");
    return utf8(buf);
}

std::string item_text(HWND dialog, int id) { return text(item(dialog, id)); }

bool is_checked(HWND dialog, int id) {
    return send(item(dialog, id), BM_GETCHECK, 0, 0, "read a check mark") == BST_CHECKED;
}

int list_count(HWND list) {
    return static_cast<int>(send(list, LB_GETCOUNT, 0, 0, "count list lines"));
}

std::string list_line(HWND list, int index) {
    const LRESULT len = send(list, LB_GETTEXTLEN, index, 0, "measure a list line");
    if (len < 0) fail("list line " + std::to_string(index), "present", "LB_ERR");
    std::wstring buf(static_cast<size_t>(len) + 1, L'\0');
    send(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buf.data()), "read a list line");
    buf.resize(static_cast<size_t>(len));
    return utf8(buf);
}

std::vector<std::string> list_lines(HWND list) {
    std::vector<std::string> out;
    const int n = list_count(list);
    for (int i = 0; i < n; ++i) out.push_back(list_line(list, i));
    return out;
}

int list_selection(HWND list) {
    return static_cast<int>(send(list, LB_GETCURSEL, 0, 0, "read the list selection"));
}

void list_select(HWND list, int index) {
    const LRESULT r = send(list, LB_SETCURSEL, index, 0, "select a list line");
    if (r != index) fail("select list line " + std::to_string(index), "selected", "LB_ERR");
}

int top_line(HWND list) {
    return static_cast<int>(send(list, LB_GETTOPINDEX, 0, 0, "read the list's top line"));
}

void set_top_line(HWND list, int index) {
    send(list, LB_SETTOPINDEX, index, 0, "scroll the list");
    expect_int(top_line(list), index, "the list scrolled");
}

void click(HWND dialog, int id) {
    if (!PostMessageW(item(dialog, id), BM_CLICK, 0, 0))
        fail("post a click to control " + std::to_string(id), "posted", "PostMessage failed");
}

void post_key(HWND control, UINT key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

HWND owner_of(HWND window) { return GetWindow(window, GW_OWNER); }

HWND focus_window() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(main_thread_id, &info)) return nullptr;
    return info.hwndFocus;
}

std::string quoted(const std::string& s) {
    std::string out;
    out.reserve(s.size() + 2);
    out.append(1, '"').append(s).append(1, '"');
    return out;
}

std::string utf8(const std::wstring& w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::wstring wide(const std::string& s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
    return out;
}

} // namespace gui
