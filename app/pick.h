// The pick operations behind the main window's small buttons: what the pick dialog asks for
// (prompt and list bounds) and where the picked number goes. Portable; the dialog lives in win32/.
#pragma once

#include "engine/settings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lotto {

// Main-window button IDs of the pick buttons.
inline constexpr int FirstParameterButton = 1101; // filter k: 1100 + k
inline constexpr int LastParameterButton = 1164;
inline constexpr int RangeStartButtonBase = 1351; // range r: 1351 + 10r (start), 1352 + 10r (end)
inline constexpr int RangeEndButtonBase = 1352;
inline constexpr int FirstArray7Button = 1621; // position i: 1620 + i
inline constexpr int LastArray7Button = 1627;
inline constexpr int FirstArray15Button = 1631; // position i: 1630 + i
inline constexpr int LastArray15Button = 1645;

// The pick dialog's outcome when the user pressed "Cancel".
inline constexpr int32_t PickCancelled = -1;

enum class PickKind { None, Parameter, RangeStart, RangeEnd, Array7, Array15 };

// What a button picks: filter k, range r or array position i, by kind.
struct PickTarget {
    PickKind kind = PickKind::None;
    int index = 0;
    bool operator==(const PickTarget&) const = default;
};

// The pick target of a main-window button; kind None for any other ID.
PickTarget pick_target(int button_id);

// The main-window button of a target (the inverse of pick_target); 0 for kind None.
int pick_button(PickTarget target);

// What the pick dialog shows: the prompt and the list's first and last number.
struct PickRequest {
    std::string prompt;
    int32_t lowest = 0;
    int32_t highest = 0;
};

PickRequest pick_request(const Settings& s, PickTarget target);

// The list items: lowest..highest, each in three digits with leading zeros ("007").
std::vector<std::string> pick_items(const PickRequest& request);

// The number in a picked list item's text, surrounding spaces ignored; 0 when it holds none.
int32_t parse_pick(std::string_view text);

struct PickOutcome {
    bool applied = false; // false for PickCancelled: nothing changed
    std::string caption;  // the pressed button's new caption
    int code = 0;         // the setter's result code (0 for a parameter)
};

// Stores a pick result (>= 0) where the target's operation puts it; PickCancelled changes
// nothing.
PickOutcome apply_pick(Settings& s, PickTarget target, int32_t result);

} // namespace lotto
