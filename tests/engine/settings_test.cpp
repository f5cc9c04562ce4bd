// The filter settings: start-up values, the on/off switches and the setters' result codes.
#include "engine_test.h"

#include <gtest/gtest.h>

#include <tuple>

namespace lotto {
namespace {

// Start-up values, also after the settings have been changed and initialised again.
TEST(StartUp, EverythingOffZeroAndDefaultRanges) {
    Settings s = settings_with({{12, 9}}, [](Settings& t) {
        set_range(t, 3, 2, 4), set_array7_entry(t, 1, 5), set_array15_entry(t, 15, 39);
    });
    init_defaults(s);
    EXPECT_EQ(s.active, 0u);
    EXPECT_EQ(s.params, decltype(s.params){});
    EXPECT_EQ(s.lowest_offered, decltype(s.lowest_offered){});
    EXPECT_EQ(s.highest_offered, HighestOffered);
    EXPECT_EQ(std::tie(s.array7, s.array7_mask), std::tuple(decltype(s.array7){}, 0u));
    EXPECT_EQ(std::tie(s.array15, s.array15_mask), std::tuple(decltype(s.array15){}, 0u));
    EXPECT_EQ(s.entered, DefaultRanges);
    EXPECT_EQ(s.effective, DefaultRanges);
    EXPECT_EQ(s.range_masks,
              (decltype(s.range_masks){0x1ff, 0x1ff, 0x7fe00, 0x7fe00, 0x1ff80000, 0x1ff80000,
                                       0x7e0000000, 0x7e0000000, 0x7800000000, 0x7800000000}));
    EXPECT_EQ(s.step3_masks, (decltype(s.step3_masks){0x9249249249249249, 0x2492492492492492,
                                                      0x4924924924924924}));
}

TEST(Switches, OnOffAndParametersOnlyFor1To64) {
    Settings s = settings_with();
    turn_filter_on(s, 64), turn_filter_on(s, 64), turn_filter_off(s, 1);
    EXPECT_EQ(s.active, Mask{1} << 63);
    EXPECT_TRUE(filter_is_on(s, 64));
    turn_filter_on(s, 1), turn_filter_off(s, 64);
    EXPECT_EQ(s.active, Mask{1});
    EXPECT_FALSE(filter_is_on(s, 64));
    for (int k : {-1, 0, 65, 1000}) {
        turn_filter_on(s, k), set_parameter(s, k, 7);
        EXPECT_FALSE(filter_is_on(s, k));
    }
    EXPECT_EQ(s.active, Mask{1});
    set_parameter(s, 1, 252), set_parameter(s, 64, 0xffffffffu); // unchecked
    decltype(s.params) expected{};
    expected[0] = 252, expected[63] = 0xffffffffu;
    EXPECT_EQ(s.params, expected);
}

TEST(RangeSetter, ChecksInOrderAndRefusedValuesChangeNothing) {
    using enum RangeCode;
    // clang-format off
    const std::tuple<int32_t, int32_t, RangeCode, Mask> cases[] = {
        {5, 5, Accepted, Mask{1} << 4},   {1, 39, Accepted, span_mask(1, 39)},
        {40, 64, Accepted, span_mask(40, 64)}, {64, 64, Accepted, Mask{1} << 63},
        {1, 64, Accepted, ~Mask{0}},      {9, 1, StartAboveEnd, 0x1ff},
        {0, 9, StartBelowOne, 0x1ff},     {-5, -1, StartBelowOne, 0x1ff},
        {65, 65, StartAbove64, 0x1ff},    {1, 65, EndAbove64, 0x1ff},
        {70, 2, StartAboveEnd, 0x1ff},    {0, 65, StartBelowOne, 0x1ff}};
    // clang-format on
    for (const auto& [start, end, code, mask] : cases) {
        Settings s = settings_with();
        EXPECT_EQ(set_range(s, 1, start, end), code) << start << ".." << end;
        std::array<Range, RangeCount> effective = DefaultRanges;
        if (code == Accepted) effective[0] = {start, end};
        EXPECT_EQ(std::tie(s.range_masks[0], s.effective, s.entered),
                  std::tie(mask, effective, DefaultRanges))
            << start << ".." << end;
    }
}

TEST(RangeSetter, EachIndexOwnsItsRangeAndOthersChangeNothing) {
    Settings s = settings_with();
    EXPECT_EQ(set_range(s, 0, 2, 3), RangeCode::Accepted);
    EXPECT_EQ(set_range(s, 11, 2, 3), RangeCode::Accepted);
    EXPECT_EQ(s.effective, DefaultRanges);
    EXPECT_EQ(s.range_masks, settings_with().range_masks);
    set_range(s, 6, 5, 25); // C2
    EXPECT_EQ(s.range_masks[5], span_mask(5, 25));
    EXPECT_EQ(s.range_masks[4], span_mask(20, 29));
}

TEST(ArraySetters, CodesInOrderPositionThenNumberAndRefusedChangeNothing) {
    using Setter = ArrayCode (*)(Settings&, int, int32_t);
    for (auto [set, size] : {std::pair<Setter, int>{set_array7_entry, Array7Size},
                             std::pair<Setter, int>{set_array15_entry, Array15Size}}) {
        using enum ArrayCode;
        // clang-format off
        const std::tuple<int, int32_t, ArrayCode> cases[] = {
            {1, 0, Accepted},                 {size, 64, Accepted},
            {0, 5, PositionBelowOne},         {0, -1, PositionBelowOne},
            {size + 1, 5, PositionAboveLast}, {size + 1, 99, PositionAboveLast},
            {1, -1, NumberBelowZero},         {1, 65, NumberAbove64}};
        // clang-format on
        for (const auto& [position, number, code] : cases) {
            Settings s = settings_with();
            set(s, 2, 7);
            const Settings before = s;
            EXPECT_EQ(set(s, position, number), code) << size << ": " << position << " " << number;
            auto arrays = [](const Settings& t) {
                return std::tie(t.array7, t.array7_mask, t.array15, t.array15_mask);
            };
            EXPECT_TRUE(code == Accepted || arrays(s) == arrays(before))
                << position << " " << number;
        }
    }
}

TEST(ArraySetters, MaskRebuiltFromAllPositions) {
    Settings s = settings_with();
    set_array7_entry(s, 1, 5), set_array7_entry(s, 2, 5), set_array7_entry(s, 7, 64);
    set_array7_entry(s, 1, 0); // 5 is still at position 2
    EXPECT_EQ(s.array7_mask, NumberBit[5] | NumberBit[64]);
    set_array7_entry(s, 2, 0);
    EXPECT_EQ(s.array7_mask, NumberBit[64]);
}

TEST(BitCount, PortableAndInstructionAgree) {
    const std::pair<Mask, int> cases[] = {{0, 0},
                                          {~Mask{0}, 64},
                                          {Mask{1} << 63, 1},
                                          {0x0123456789abcdef, 32},
                                          {0x8000000100000001, 3}};
    for (const auto& [m, bits] : cases) {
        EXPECT_EQ(popcount(m), bits) << std::hex << m;
        EXPECT_EQ(popcount_instruction(m), bits) << std::hex << m;
    }
}

} // namespace
} // namespace lotto
