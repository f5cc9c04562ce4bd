// The moves every scenario is made of: getting past the Info dialog, picking a value, a count
// run with its report, leaving the viewer, quitting.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace gui {

inline const std::string InfoCaption = "Quorrel";
inline const std::string MainCaption =
    "Filtering lotto 7/39 combinations - Quorrel - Tessel Filter 64 WIN32 DLL Functions Info";
inline const std::string PickCaption = "Enter number";
inline const std::string ReportCaption = "Info";
inline const std::string ViewerCaption = "View combinations";
inline const std::string StatisticsCaption = "Stat of numbers";
inline const std::string NotifyCaption = "Notify";
inline constexpr int MessageTextId = 65535;

// Waits for the Info dialog, presses "Continue" and returns the main window once it is up.
HWND pass_info();

// Clicks a parameter, range or array button and returns the pick dialog; the main window must
// be disabled and own it.
HWND open_pick(HWND main, int button);

enum class Confirm { EnterButton, CancelButton, EnterKey, EscapeKey };
inline constexpr int NoSelection = -1;

// Selects list line index (or nothing), confirms as told, waits until the dialog has gone and
// the main window is enabled again.
void finish_pick(HWND main, HWND pick, int index, Confirm how);
void pick(HWND main, int button, int index, Confirm how = Confirm::EnterButton);

// Clicks check box k and waits until the click has been handled.
void toggle_filter(HWND main, int k);

// "Count and store": checks the four-line report for this count, closes it and returns the
// viewer.
HWND count_and_store(HWND main, uint32_t expected_count);

// "End view": the viewer goes and the main window is enabled again.
void end_view(HWND main, HWND viewer);

// "Quit": the main window goes; the start-up path then returns.
void quit(HWND main);

// A message box with an OK button only and no icon.
void expect_plain_ok_box(HWND box);

// Dismisses a message box with its OK button.
void press_ok(HWND box);

// Text of the form the masks "##.####" and "###.####" print (digits, a point, up to four
// decimals, no trailing zero).
bool looks_like_decimal4(const std::string& s);

// The filter settings, read in-process.
uint64_t active_mask();

} // namespace gui
