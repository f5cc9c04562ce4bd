// The pick operations behind the main window's buttons: which button picks what, what the pick
// dialog offers, and where a picked number lands.
#include "app/pick.h"

#include "engine/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace lotto {
namespace {

Settings defaults() {
    Settings s;
    init_defaults(s);
    return s;
}

TEST(PickTarget, ButtonIdsToOperationsAndBack) {
    using enum PickKind;
    const std::pair<int, PickTarget> cases[] = {
        {1101, {Parameter, 1}},  {1103, {Parameter, 3}},   {1164, {Parameter, 64}},
        {1361, {RangeStart, 1}}, {1362, {RangeEnd, 1}},    {1371, {RangeStart, 2}},
        {1442, {RangeEnd, 9}},   {1451, {RangeStart, 10}}, {1452, {RangeEnd, 10}},
        {1621, {Array7, 1}},     {1627, {Array7, 7}},      {1631, {Array15, 1}},
        {1645, {Array15, 15}}};
    for (const auto& [id, target] : cases) {
        EXPECT_EQ(pick_target(id), target) << id;
        EXPECT_EQ(pick_button(target), id) << id;
    }
    for (int id : {0,    1001, 1064, 1100, 1165, 1179, 1202, 1203, 1204, 1351, 1352,
                   1360, 1363, 1369, 1453, 1461, 1620, 1628, 1630, 1646, 1720})
        EXPECT_EQ(pick_target(id).kind, None) << id;
    EXPECT_EQ(pick_button({}), 0);
}

TEST(PickRequest, PromptsAndBounds) {
    using enum PickKind;
    // Those the GUI tests do not pick (tests/gui/scenarios.cpp).
    const std::tuple<PickTarget, const char*, int32_t, int32_t> cases[] = {
        {{Parameter, 42}, "42) Minimumu in range D1", 0, 7},
        {{Parameter, 64}, "64) Maximum numbers from 15 el. array", 0, 7},
        {{RangeStart, 10}, "Range E2 minimum start", 1, 39},
        {{RangeEnd, 7}, "Range D1 mminimum end", 1, 39},
        {{Array7, 7}, "Range R7 number 7", 0, 39},
        {{Array15, 12}, "Numbers in 15 elements array, element number:12", 0, 39}};
    for (const auto& [target, prompt, lowest, highest] : cases) {
        const PickRequest r = pick_request(defaults(), target);
        EXPECT_EQ(std::tie(r.prompt, r.lowest, r.highest), std::tuple(prompt, lowest, highest));
    }
}

// Every filter's pick list runs from 0 to the highest value the filter offers (docs/list.md shows
// them as `lotto739-cli list` prints them); a filter without a parameter has none.
TEST(PickRequest, EveryFilterOffersZeroUpToItsHighestValue) {
    const Settings s = defaults();
    for (int k = 1; k <= FilterCount; ++k) {
        const int32_t highest = has_parameter(k) ? HighestOffered[k] : 0;
        SCOPED_TRACE(k);
        const PickRequest r = pick_request(s, {PickKind::Parameter, k});
        EXPECT_EQ(std::tie(r.lowest, r.highest), std::tuple(0, highest));
        const auto items = pick_items(r);
        ASSERT_EQ(items.size(), std::size_t(highest) + 1);
        EXPECT_EQ(parse_pick(items.back()), highest);
    }
}

TEST(PickItems, ThreeDigitListsFromTheLowestToTheHighestOffered) {
    using enum PickKind;
    const std::tuple<PickTarget, std::size_t, const char*, const char*> cases[] = {
        {{Parameter, 1}, 253, "000", "252"},
        {{RangeEnd, 4}, 39, "001", "039"},
        {{Array15, 2}, 40, "000", "039"}};
    for (const auto& [target, size, first, last] : cases) {
        const auto items = pick_items(pick_request(defaults(), target));
        ASSERT_EQ(items.size(), size) << first << ".." << last;
        EXPECT_EQ(std::tie(items.front(), items.back()), std::tie(first, last));
        // the dialog's list sorts its lines by text; three digits keep that the numeric order
        EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
    }
    EXPECT_EQ(pick_items(pick_request(defaults(), {Parameter, 1}))[99], "099");
    EXPECT_TRUE(pick_items({"", 5, 4}).empty());
}

TEST(ParsePick, ReadsTheNumberOfAnItem) {
    const std::pair<const char*, int32_t> cases[] = {{"007", 7},    {"000", 0},  {"252", 252},
                                                     {"  12 ", 12}, {"039", 39}, {"", 0},
                                                     {"   ", 0},    {"x", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parse_pick(text), value) << '"' << text << '"';
}

// Applies the pick of button id and checks the new caption and the setter's code.
void pick(Settings& s, int id, int32_t number, const char* caption, int code = 0) {
    const PickOutcome out = apply_pick(s, pick_target(id), number);
    EXPECT_TRUE(out.applied) << id;
    EXPECT_EQ(std::tie(out.caption, out.code), std::tuple(caption, code)) << id;
}

TEST(ApplyPick, ParametersStoredFiltersStayOff) {
    Settings s = defaults();
    pick(s, 1103, parse_pick("007"), "7");
    pick(s, 1133, 30, "30");
    pick(s, 1101, 252, "252");
    EXPECT_EQ(std::tie(s.params[2], s.params[32], s.params[0], s.active),
              std::tuple(7u, 30u, 252u, Mask{0}));
    pick(s, 1101, 0, "0"); // "Enter" with nothing selected
    EXPECT_EQ(s.params[0], 0u);
}

TEST(ApplyPick, RangeRefusedUntilTheOtherEndFollowsAndEnterWithoutSelectionIsZero) {
    Settings s = defaults();
    pick(s, 1361, 20, "20", int(RangeCode::StartAboveEnd));
    EXPECT_EQ(std::tie(s.entered[0], s.effective[0], s.range_masks[0]),
              std::tuple(Range{20, 9}, Range{1, 9}, span_mask(1, 9)));
    pick(s, 1362, 25, "25");
    EXPECT_EQ(std::tie(s.effective[0], s.range_masks[0], s.range_masks[1]),
              std::tuple(Range{20, 25}, span_mask(20, 25), span_mask(1, 9)));

    pick(s, 1381, 0, "0", int(RangeCode::StartBelowOne)); // B1 start
    EXPECT_EQ(std::tie(s.entered[2], s.range_masks[2]),
              std::tuple(Range{0, 19}, span_mask(10, 19)));
    pick(s, 1392, 0, "0", int(RangeCode::StartAboveEnd)); // B2 end
    EXPECT_EQ(std::tie(s.entered[3], s.effective[3]), std::tuple(Range{10, 0}, Range{10, 19}));
}

TEST(ApplyPick, ArrayEntriesDuplicatesCountOnceAndZeroEmpties) {
    Settings s = defaults();
    pick(s, 1623, 12, "12");
    pick(s, 1625, 12, "12");
    EXPECT_EQ(std::tie(s.array7[2], s.array7[4], s.array7_mask, s.array15_mask),
              std::tuple(12, 12, NumberBit[12], Mask{0}));
    pick(s, 1631, 5, "5");
    pick(s, 1645, 39, "39");
    EXPECT_EQ(s.array15_mask, NumberBit[5] | NumberBit[39]);
    pick(s, 1631, 0, "0");
    EXPECT_EQ(std::tie(s.array15[0], s.array15_mask), std::tuple(0, NumberBit[39]));
}

TEST(ApplyPick, CancelChangesNothing) {
    Settings s = defaults();
    for (int id : {1101, 1361, 1362, 1621, 1631}) {
        const PickOutcome out = apply_pick(s, pick_target(id), PickCancelled);
        EXPECT_FALSE(out.applied) << id;
        EXPECT_TRUE(out.caption.empty()) << id;
    }
    const Settings f = defaults();
    EXPECT_EQ(std::tie(s.params, s.entered, s.range_masks, s.array7, s.array15),
              std::tie(f.params, f.entered, f.range_masks, f.array7, f.array15));
}

} // namespace
} // namespace lotto
