// The driver's hands and eyes: finding the program's windows, reading their controls, clicking
// them, and stopping the whole process with a message as soon as something is not as expected.
// Everything here runs on the driver thread while the program runs on the main thread.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace gui {

inline constexpr int DefaultWaitMs = 10000;
inline constexpr int LongWaitMs = 90000; // a full-system run or statistics count under Wine

// Prints the failure, the expected and the found value, and ends the process with status 1.
[[noreturn]] void fail(const std::string& what, const std::string& expected,
                       const std::string& found);
void check(bool ok, const std::string& what);
void expect_text(const std::string& found, const std::string& expected, const std::string& what);
void expect_int(long long found, long long expected, const std::string& what);
void note(const std::string& line); // one progress line on stdout

// Records the main thread so that sync() can queue its marker behind posted clicks.
void install_sync(DWORD main_thread);

// Returns once the main thread has taken from its queue every message posted before the call.
void sync();

// Polls cond every few milliseconds; fails with what when it is still false after timeout_ms.
void wait_until(const std::function<bool()>& cond, const std::string& what,
                int timeout_ms = DefaultWaitMs);

// A visible top-level window of this process with exactly this caption, or nullptr.
HWND find_window(const std::string& caption);
HWND wait_window(const std::string& caption, int timeout_ms = DefaultWaitMs);
void wait_gone(HWND window, const std::string& what, int timeout_ms = DefaultWaitMs);

// Visible top-level windows of this process, in z-order.
std::vector<HWND> top_windows();

std::string caption_of(HWND window); // read without a message, safe while the program is busy
HWND item(HWND dialog, int id);      // fails when the control is missing
std::vector<HWND> items(HWND dialog, int id); // every child with that ID, in creation order
std::string text(HWND control);
std::string item_text(HWND dialog, int id);
bool is_checked(HWND dialog, int id);
int list_count(HWND list);
std::string list_line(HWND list, int index);
std::vector<std::string> list_lines(HWND list);
int list_selection(HWND list);
void list_select(HWND list, int index);
int top_line(HWND list);
void set_top_line(HWND list, int index);

void click(HWND dialog, int id); // posted, so that a click opening a modal dialog does not block
void post_key(HWND control, UINT key);
HWND owner_of(HWND window);
HWND focus_window(); // the control with the keyboard focus on the main thread

// s in double quotes, for messages.
std::string quoted(const std::string& s);

std::string utf8(const std::wstring& w);
std::wstring wide(const std::string& s);

} // namespace gui
