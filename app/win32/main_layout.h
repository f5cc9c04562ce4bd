// Where the main window's controls sit, in dialog units, their IDs and their captions at
// creation. Portable: the window builds its template from main_window_controls().
#pragma once

#include "app/win32/dialog_rect.h"
#include "engine/settings.h"

#include <string>
#include <vector>

namespace lotto::win::main_layout {

enum : int {
    FirstCheckBox = 1001, // filter k: 1000 + k
    LastCheckBox = 1064,
    CountAndStore = 1202,
    Quit = 1203,
    TurnOffAll = 1204,
    Banner = 1179,
};

// Check boxes of filters first..last sit at x, one row of 15 units each, from y.
struct CheckColumn {
    int first;
    int last;
    short x;
    short y;
};
// clang-format off
inline constexpr CheckColumn CheckColumns[] = {
//   filters     x    y
    { 1, 25,    20,  10},
    {26, 50,   245,  10},
    {51, 62,   495,  10},
    {63, 63,   495, 220},
    {64, 64,   495, 285},
};
// clang-format on
inline constexpr short RowHeight = 15;

// Width of the check boxes of filters first..last.
struct CheckWidth {
    int first;
    int last;
    short w;
};
// clang-format off
inline constexpr CheckWidth CheckWidths[] = {
//   filters    w
    { 1,  1,  145},
    { 2,  4,  150},
    { 5,  6,  155},
    { 7, 13,  135},
    {14, 14,  145},
    {15, 30,  135},
    {31, 31,  140},
    {32, 33,  135},
    {34, 34,  155},
    {35, 35,  175},
    {36, 37,  100},
    {38, 38,   95},
    {39, 39,  100},
    {40, 40,   95},
    {41, 41,  100},
    {42, 42,   95},
    {43, 43,  100},
    {44, 44,   95},
    {45, 45,  100},
    {46, 57,  125},
    {58, 61,  140},
    {62, 64,  130},
};
// clang-format on

// x of the parameter buttons of filters first..last (on the row of the filter's check box).
struct ParameterColumn {
    int first;
    int last;
    short x;
};
// clang-format off
inline constexpr ParameterColumn ParameterColumns[] = {
//   filters     x
    { 1, 25,   175},
    {26, 50,   440},
    {51, 64,   630},
};
// clang-format on
inline constexpr short ParameterW = 35, ParameterH = 15;

// Range r's start and end buttons, on the row of filter 35 + r.
inline constexpr short RangeStartX = 345, RangeEndX = 395, RangeY = 160;
inline constexpr short RangeW = 35, RangeH = 15;

// The array buttons, in rows of five from (x, y).
struct ArrayBlock {
    int first_id;
    int size;
    short x;
    short y;
};
inline constexpr ArrayBlock Array7Block = {1621, 7, 505, 190};
inline constexpr ArrayBlock Array15Block = {1631, 15, 505, 235};
inline constexpr short ArrayW = 25, ArrayH = 15, ArrayPerRow = 5;

struct CommandButton {
    int id;
    DialogRect rect;
    const char* caption;
};
inline constexpr CommandButton QuitButton = {Quit, {495, 355, 135, 20}, "Quit"};
inline constexpr CommandButton CountButton = {
    CountAndStore, {495, 335, 135, 20}, "Count and store"};
inline constexpr CommandButton TurnOffButton = {
    TurnOffAll, {495, 315, 135, 20}, "Turn off all filters"};
inline constexpr DialogRect BannerRect = {35, 385, 610, 20};

inline constexpr DialogRect WindowRect = {7, 13, 670, 408};

inline constexpr char Caption[] = "Filtering lotto 7/39 combinations - Quorrel - "
                                  "Tessel Filter 64 WIN32 DLL Functions Info";
inline constexpr char BannerText[] = "Tessel lottery 7/39 filtering DEMO application"
                                     "- Quorrel ver. 1.1 July "
                                     "2012.";

enum class ControlKind { CheckBox, Button, Banner };

struct Placement {
    ControlKind kind;
    int id;
    DialogRect rect;
    std::string caption;
};

// Every control of the window in creation order: check boxes 1 to 64, parameter buttons, range
// buttons, 7-element and 15-element buttons, "Quit", "Count and store", the banner and
// "Turn off all filters"; captions from the settings as they are now.
std::vector<Placement> main_window_controls(const Settings& s);

} // namespace lotto::win::main_layout
