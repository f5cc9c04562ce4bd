// The pick operations behind the main window's buttons: which button picks what, what the pick
// dialog offers, and where a picked number lands.
#include "app/pick.h"

#include "engine/mask.h"
#include "engine/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lotto {
namespace {

Settings defaults() {
    Settings s;
    init_defaults(s);
    return s;
}

// --- button IDs ---------------------------------------------------------------------------

struct TargetCase {
    int id;
    PickTarget target;
};

TEST(PickTarget, MapsEveryKindOfButton) {
    const TargetCase cases[] = {
        {1101, {PickKind::Parameter, 1}},  {1103, {PickKind::Parameter, 3}},
        {1164, {PickKind::Parameter, 64}}, {1361, {PickKind::RangeStart, 1}},
        {1362, {PickKind::RangeEnd, 1}},   {1371, {PickKind::RangeStart, 2}},
        {1442, {PickKind::RangeEnd, 9}},   {1451, {PickKind::RangeStart, 10}},
        {1452, {PickKind::RangeEnd, 10}},  {1621, {PickKind::Array7, 1}},
        {1627, {PickKind::Array7, 7}},     {1631, {PickKind::Array15, 1}},
        {1645, {PickKind::Array15, 15}},
    };
    for (const TargetCase& c : cases) {
        EXPECT_EQ(pick_target(c.id), c.target) << c.id;
        EXPECT_EQ(pick_button(c.target), c.id) << c.id;
    }
}

TEST(PickTarget, OtherIdsPickNothing) {
    for (int id : {0,    1001, 1064, 1100, 1165, 1179, 1202, 1203, 1204, 1351, 1352,
                   1360, 1363, 1369, 1453, 1461, 1620, 1628, 1630, 1646, 1720})
        EXPECT_EQ(pick_target(id).kind, PickKind::None) << id;
    EXPECT_EQ(pick_button({}), 0);
}

// --- what the dialog offers ---------------------------------------------------------------

struct RequestCase {
    PickTarget target;
    const char* prompt;
    int32_t lowest;
    int32_t highest;
};

TEST(PickRequest, PromptsAndBounds) {
    const Settings s = defaults();
    const RequestCase cases[] = {
        {{PickKind::Parameter, 1}, "01) Minimum amount of numbers ", 0, 252},
        {{PickKind::Parameter, 28}, "28) Maximum 4+ numbers groups", 0, 1},
        {{PickKind::Parameter, 42}, "42) Minimumu in range D1", 0, 7},
        {{PickKind::Parameter, 64}, "64) Maximum numbers from 15 el. array", 0, 7},
        {{PickKind::RangeStart, 1}, "Range A1 minimum start", 1, 39},
        {{PickKind::RangeEnd, 1}, "Range A1 mminimum end", 1, 39},
        {{PickKind::RangeStart, 10}, "Range E2 minimum start", 1, 39},
        {{PickKind::RangeEnd, 7}, "Range D1 mminimum end", 1, 39},
        {{PickKind::Array7, 1}, "Range R7 number 1", 0, 39},
        {{PickKind::Array7, 7}, "Range R7 number 7", 0, 39},
        {{PickKind::Array15, 12}, "Numbers in 15 elements array, element number:12", 0, 39},
        {{PickKind::Array15, 15}, "Numbers in 15 elements array, element number:15", 0, 39},
    };
    for (const RequestCase& c : cases) {
        const PickRequest r = pick_request(s, c.target);
        EXPECT_EQ(r.prompt, c.prompt);
        EXPECT_EQ(r.lowest, c.lowest) << c.prompt;
        EXPECT_EQ(r.highest, c.highest) << c.prompt;
    }
}

TEST(PickItems, ParameterListsRunFromZeroToTheHighestOffered) {
    const Settings s = defaults();
    const std::vector<std::string> sums = pick_items(pick_request(s, {PickKind::Parameter, 1}));
    ASSERT_EQ(sums.size(), 253u);
    EXPECT_EQ(sums.front(), "000");
    EXPECT_EQ(sums[7], "007");
    EXPECT_EQ(sums[99], "099");
    EXPECT_EQ(sums.back(), "252");
    for (int k : {27, 28})
        EXPECT_EQ(pick_items(pick_request(s, {PickKind::Parameter, k})),
                  (std::vector<std::string>{"000", "001"}));
    EXPECT_EQ(pick_items(pick_request(s, {PickKind::Parameter, 3})).size(), 8u);
}

TEST(PickItems, RangeListsStartAtOneArrayListsAtZero) {
    const Settings s = defaults();
    const auto range = pick_items(pick_request(s, {PickKind::RangeEnd, 4}));
    ASSERT_EQ(range.size(), 39u);
    EXPECT_EQ(range.front(), "001");
    EXPECT_EQ(range.back(), "039");
    const auto array = pick_items(pick_request(s, {PickKind::Array15, 2}));
    ASSERT_EQ(array.size(), 40u);
    EXPECT_EQ(array.front(), "000");
}

TEST(PickItems, TextOrderIsNumberOrder) {
    // The dialog's list sorts its lines by text; the three digits keep that the numeric order.
    auto items = pick_items({"", 0, 252});
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
    EXPECT_TRUE(pick_items({"", 5, 4}).empty());
}

TEST(ParsePick, ReadsTheNumberOfAnItem) {
    const std::pair<const char*, int32_t> cases[] = {
        {"007", 7},  {"000", 0}, {"252", 252}, {"  12 ", 12},
        {"039", 39}, {"", 0},    {"   ", 0},   {"x", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(parse_pick(text), value) << '"' << text << '"';
}

// --- where the number goes ----------------------------------------------------------------

TEST(ApplyPick, ParameterIsStoredFilterStaysOff) {
    Settings s = defaults();
    const PickOutcome out = apply_pick(s, pick_target(1103), parse_pick("007"));
    EXPECT_TRUE(out.applied);
    EXPECT_EQ(out.caption, "7");
    EXPECT_EQ(s.params[2], 7u);
    EXPECT_FALSE(filter_is_on(s, 3));
    EXPECT_EQ(s.active, 0u);
}

TEST(ApplyPick, RangeStartAboveEndIsRefusedUntilTheEndFollows) {
    Settings s = defaults();
    PickOutcome out = apply_pick(s, pick_target(1361), 20);
    EXPECT_EQ(out.caption, "20");
    EXPECT_EQ(out.code, static_cast<int>(RangeCode::StartAboveEnd));
    EXPECT_EQ(s.entered[0].start, 20);
    EXPECT_EQ(s.entered[0].end, 9);
    EXPECT_EQ(s.effective[0].start, 1);
    EXPECT_EQ(s.effective[0].end, 9);
    EXPECT_EQ(s.range_masks[0], span_mask(1, 9));

    out = apply_pick(s, pick_target(1362), 25);
    EXPECT_EQ(out.caption, "25");
    EXPECT_EQ(out.code, 0);
    EXPECT_EQ(s.effective[0].start, 20);
    EXPECT_EQ(s.effective[0].end, 25);
    EXPECT_EQ(s.range_masks[0], span_mask(20, 25));
    EXPECT_EQ(s.range_masks[1], span_mask(1, 9)); // A2 is a range of its own
}

TEST(ApplyPick, EnterWithNothingSelectedStoresZero) {
    // "Enter" without a selection gives 0, which the range setter refuses on either side.
    Settings s = defaults();
    PickOutcome out = apply_pick(s, pick_target(1381), 0); // B1 start
    EXPECT_EQ(out.caption, "0");
    EXPECT_EQ(out.code, static_cast<int>(RangeCode::StartBelowOne));
    EXPECT_EQ(s.entered[2].start, 0);
    EXPECT_EQ(s.range_masks[2], span_mask(10, 19));

    Settings t = defaults();
    out = apply_pick(t, pick_target(1382), 0); // B1 end
    EXPECT_EQ(out.code, static_cast<int>(RangeCode::StartAboveEnd));
    EXPECT_EQ(t.entered[2].end, 0);
    EXPECT_EQ(t.effective[2].start, 10);
    EXPECT_EQ(t.effective[2].end, 19);

    out = apply_pick(t, pick_target(1101), 0);
    EXPECT_TRUE(out.applied);
    EXPECT_EQ(out.caption, "0");
    EXPECT_EQ(t.params[0], 0u);
}

TEST(ApplyPick, SameNumberInTwoPositionsCountsOnce) {
    Settings s = defaults();
    EXPECT_EQ(apply_pick(s, pick_target(1623), 12).caption, "12");
    EXPECT_EQ(apply_pick(s, pick_target(1625), 12).caption, "12");
    EXPECT_EQ(s.array7[2], 12);
    EXPECT_EQ(s.array7[4], 12);
    EXPECT_EQ(s.array7_mask, NumberBit[12]);
    EXPECT_EQ(s.array15_mask, 0u);
}

TEST(ApplyPick, ZeroEmptiesAFifteenElementPosition) {
    Settings s = defaults();
    apply_pick(s, pick_target(1631), 5);
    apply_pick(s, pick_target(1645), 39);
    EXPECT_EQ(s.array15_mask, NumberBit[5] | NumberBit[39]);
    const PickOutcome out = apply_pick(s, pick_target(1631), 0);
    EXPECT_EQ(out.caption, "0");
    EXPECT_EQ(out.code, 0);
    EXPECT_EQ(s.array15[0], 0);
    EXPECT_EQ(s.array15_mask, NumberBit[39]);
}

TEST(ApplyPick, CancelChangesNothing) {
    Settings s = defaults();
    for (int id : {1101, 1361, 1362, 1621, 1631}) {
        const PickOutcome out = apply_pick(s, pick_target(id), PickCancelled);
        EXPECT_FALSE(out.applied) << id;
        EXPECT_TRUE(out.caption.empty()) << id;
    }
    const Settings fresh = defaults();
    EXPECT_EQ(s.params, fresh.params);
    EXPECT_EQ(s.entered[0].start, fresh.entered[0].start);
    EXPECT_EQ(s.entered[0].end, fresh.entered[0].end);
    EXPECT_EQ(s.range_masks, fresh.range_masks);
    EXPECT_EQ(s.array7, fresh.array7);
    EXPECT_EQ(s.array15, fresh.array15);
}

TEST(ApplyPick, CaptionShowsThePickedNumberWithoutPadding) {
    Settings s = defaults();
    EXPECT_EQ(apply_pick(s, pick_target(1101), 252).caption, "252");
    EXPECT_EQ(apply_pick(s, pick_target(1133), 30).caption, "30");
    EXPECT_EQ(s.params[32], 30u);
}

} // namespace
} // namespace lotto
