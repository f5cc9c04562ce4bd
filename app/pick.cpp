#include "app/pick.h"

#include "app/catalogue.h"
#include "app/format.h"

namespace lotto {

PickTarget pick_target(int id) {
    if (id >= FirstParameterButton && id <= LastParameterButton)
        return {PickKind::Parameter, id - 1100};
    if (id >= FirstArray15Button && id <= LastArray15Button) return {PickKind::Array15, id - 1630};
    if (id >= FirstArray7Button && id <= LastArray7Button) return {PickKind::Array7, id - 1620};
    for (int r = 1; r <= RangeCount; ++r) {
        if (id == RangeStartButtonBase + 10 * r) return {PickKind::RangeStart, r};
        if (id == RangeEndButtonBase + 10 * r) return {PickKind::RangeEnd, r};
    }
    return {};
}

int pick_button(PickTarget t) {
    switch (t.kind) {
    case PickKind::Parameter: return 1100 + t.index;
    case PickKind::RangeStart: return RangeStartButtonBase + 10 * t.index;
    case PickKind::RangeEnd: return RangeEndButtonBase + 10 * t.index;
    case PickKind::Array7: return 1620 + t.index;
    case PickKind::Array15: return 1630 + t.index;
    case PickKind::None: break;
    }
    return 0;
}

PickRequest pick_request(const Settings& s, PickTarget t) {
    switch (t.kind) {
    case PickKind::Parameter:
        return {std::string(filter_label(t.index)), s.lowest_offered[t.index],
                s.highest_offered[t.index]};
    case PickKind::RangeStart:
        return {"Range " + std::string(range_name(t.index)) + " minimum start", 1, 39};
    case PickKind::RangeEnd:
        return {"Range " + std::string(range_name(t.index)) + " mminimum end", 1, 39};
    case PickKind::Array7: return {"Range R7 number " + format_plain(t.index), 0, 39};
    case PickKind::Array15:
        return {"Numbers in 15 elements array, element number:" + format_plain(t.index), 0, 39};
    case PickKind::None: break;
    }
    return {};
}

std::vector<std::string> pick_items(const PickRequest& request) {
    std::vector<std::string> items;
    if (request.lowest < 0 || request.highest < request.lowest) return items;
    items.reserve(static_cast<std::size_t>(request.highest - request.lowest) + 1);
    for (int32_t v = request.lowest; v <= request.highest; ++v)
        items.push_back(format_zero_padded(static_cast<uint64_t>(v), 3));
    return items;
}

int32_t parse_pick(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT32_MAX) return 0; // no list item is that long
    }
    return static_cast<int32_t>(value);
}

PickOutcome apply_pick(Settings& s, PickTarget t, int32_t result) {
    if (result < 0 || t.kind == PickKind::None) return {};
    PickOutcome out{true, format_plain(static_cast<uint64_t>(result)), 0};
    switch (t.kind) {
    case PickKind::Parameter: set_parameter(s, t.index, static_cast<uint32_t>(result)); break;
    case PickKind::RangeStart: {
        Range& entered = s.entered[t.index - 1];
        entered.start = result;
        out.code = static_cast<int>(set_range(s, t.index, entered.start, entered.end));
        break;
    }
    case PickKind::RangeEnd: {
        Range& entered = s.entered[t.index - 1];
        entered.end = result;
        out.code = static_cast<int>(set_range(s, t.index, entered.start, entered.end));
        break;
    }
    case PickKind::Array7: out.code = static_cast<int>(set_array7_entry(s, t.index, result)); break;
    case PickKind::Array15:
        out.code = static_cast<int>(set_array15_entry(s, t.index, result));
        break;
    case PickKind::None: break;
    }
    return out;
}

} // namespace lotto
