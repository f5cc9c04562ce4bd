// The filter settings: start-up values, the on/off switches and the setters' result codes.
#include "engine/lotto739.h"

#include <gtest/gtest.h>

namespace lotto {
namespace {

Settings defaults() {
    Settings s;
    init_defaults(s);
    return s;
}

TEST(StartUp, EverythingOffAndZero) {
    const Settings s = defaults();
    EXPECT_EQ(s.active, 0u);
    for (uint32_t p : s.params) EXPECT_EQ(p, 0u);
    for (int k = 1; k <= FilterCount; ++k) {
        EXPECT_EQ(s.lowest_offered[k], 0) << k;
        EXPECT_EQ(s.highest_offered[k], HighestOffered[k]) << k;
    }
    EXPECT_EQ(s.array7_mask, 0u);
    EXPECT_EQ(s.array15_mask, 0u);
    for (int32_t n : s.array7) EXPECT_EQ(n, 0);
    for (int32_t n : s.array15) EXPECT_EQ(n, 0);
}

TEST(StartUp, DefaultRangesAndTheirMasks) {
    const Settings s = defaults();
    const Mask expected[RangeCount] = {
        0x1ffu,      0x1ffu,       0x7feu << 8,  0x7feu << 8,   0x1ff80000u,
        0x1ff80000u, 0x7e0000000u, 0x7e0000000u, 0x7800000000u, 0x7800000000u,
    };
    for (int r = 0; r < RangeCount; ++r) {
        EXPECT_EQ(s.entered[r], DefaultRanges[r]) << r;
        EXPECT_EQ(s.effective[r], DefaultRanges[r]) << r;
        EXPECT_EQ(s.range_masks[r], expected[r]) << r;
    }
}

TEST(StartUp, StepThreeMasksCoverAll64BitsOnce) {
    const Settings s = defaults();
    for (int first = 0; first < 3; ++first)
        for (int bit = 0; bit < 64; ++bit)
            EXPECT_EQ((s.step3_masks[first] >> bit) & 1, bit % 3 == first ? 1u : 0u)
                << "array " << first + 1 << " bit " << bit;
    EXPECT_EQ(s.step3_masks[0] | s.step3_masks[1] | s.step3_masks[2], ~Mask{0});
    EXPECT_EQ(popcount(s.step3_masks[0]), 22);
    EXPECT_EQ(popcount(s.step3_masks[1]), 21);
    EXPECT_EQ(popcount(s.step3_masks[2]), 21);
}

TEST(StartUp, InitialisingAgainResetsEverything) {
    Settings s = defaults();
    turn_filter_on(s, 12);
    set_parameter(s, 12, 9);
    set_range(s, 3, 2, 4);
    set_array7_entry(s, 1, 5);
    set_array15_entry(s, 15, 39);
    init_defaults(s);
    EXPECT_EQ(s.active, 0u);
    EXPECT_EQ(s.params[11], 0u);
    EXPECT_EQ(s.effective[2], DefaultRanges[2]);
    EXPECT_EQ(s.array7_mask, 0u);
    EXPECT_EQ(s.array15_mask, 0u);
}

TEST(Switches, OnTwiceIsOnOnceAndOffWhenOffChangesNothing) {
    Settings s = defaults();
    turn_filter_on(s, 64);
    turn_filter_on(s, 64);
    EXPECT_EQ(s.active, Mask{1} << 63);
    EXPECT_TRUE(filter_is_on(s, 64));
    turn_filter_off(s, 1);
    EXPECT_EQ(s.active, Mask{1} << 63);
    turn_filter_on(s, 1);
    turn_filter_off(s, 64);
    EXPECT_EQ(s.active, Mask{1});
    EXPECT_FALSE(filter_is_on(s, 64));
}

TEST(Switches, FilterNumbersOutside1To64ChangeNothing) {
    Settings s = defaults();
    for (int k : {-1, 0, 65, 1000}) {
        turn_filter_on(s, k);
        set_parameter(s, k, 7);
        EXPECT_FALSE(filter_is_on(s, k));
    }
    EXPECT_EQ(s.active, 0u);
    for (uint32_t p : s.params) EXPECT_EQ(p, 0u);
}

TEST(Parameters, StoredUncheckedInTheFiltersSlot) {
    Settings s = defaults();
    set_parameter(s, 1, 252);
    set_parameter(s, 64, 0xffffffffu);
    EXPECT_EQ(s.params[0], 252u);
    EXPECT_EQ(s.params[63], 0xffffffffu);
}

struct RangeCase {
    int32_t start;
    int32_t end;
    RangeCode code;
    Mask mask; // of range 1 afterwards
};

class RangeSetter : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeSetter, ChecksInOrderAndRefusedValuesChangeNothing) {
    const RangeCase& c = GetParam();
    Settings s = defaults();
    EXPECT_EQ(set_range(s, 1, c.start, c.end), c.code);
    EXPECT_EQ(s.range_masks[0], c.mask);
    const Range expected = c.code == RangeCode::Accepted ? Range{c.start, c.end} : DefaultRanges[0];
    EXPECT_EQ(s.effective[0], expected);
    EXPECT_EQ(s.entered[0], DefaultRanges[0]);
    for (int r = 1; r < RangeCount; ++r) EXPECT_EQ(s.effective[r], DefaultRanges[r]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, RangeSetter, ::testing::Values(
    RangeCase{5, 5, RangeCode::Accepted, Mask{1} << 4},
    RangeCase{1, 39, RangeCode::Accepted, span_mask(1, 39)},
    RangeCase{40, 64, RangeCode::Accepted, span_mask(40, 64)},
    RangeCase{64, 64, RangeCode::Accepted, Mask{1} << 63},
    RangeCase{1, 64, RangeCode::Accepted, ~Mask{0}},
    RangeCase{9, 1, RangeCode::StartAboveEnd, 0x1ff},
    RangeCase{0, 9, RangeCode::StartBelowOne, 0x1ff},
    RangeCase{-5, -1, RangeCode::StartBelowOne, 0x1ff},
    RangeCase{65, 65, RangeCode::StartAbove64, 0x1ff},
    RangeCase{1, 65, RangeCode::EndAbove64, 0x1ff},
    RangeCase{70, 2, RangeCode::StartAboveEnd, 0x1ff},
    RangeCase{0, 65, RangeCode::StartBelowOne, 0x1ff}
));
// clang-format on

TEST(RangeSetterIndex, OutsideOneToTenChangesNothingAndAccepts) {
    Settings s = defaults();
    const Settings before = s;
    EXPECT_EQ(set_range(s, 0, 2, 3), RangeCode::Accepted);
    EXPECT_EQ(set_range(s, 11, 2, 3), RangeCode::Accepted);
    EXPECT_EQ(s.range_masks, before.range_masks);
    EXPECT_EQ(s.effective, before.effective);
}

TEST(RangeSetterIndex, EachIndexOwnsItsRange) {
    Settings s = defaults();
    set_range(s, 6, 5, 25); // C2
    EXPECT_EQ(s.range_masks[5], span_mask(5, 25));
    EXPECT_EQ(s.range_masks[4], span_mask(20, 29));
}

using ArraySetter = ArrayCode (*)(Settings&, int, int32_t);

struct ArrayCase {
    int position;
    int32_t number;
    ArrayCode code;
};

void check_array_codes(ArraySetter set, int size) {
    const ArrayCase cases[] = {
        {1, 0, ArrayCode::Accepted},
        {size, 64, ArrayCode::Accepted},
        {0, 5, ArrayCode::PositionBelowOne},
        {0, -1, ArrayCode::PositionBelowOne},
        {size + 1, 5, ArrayCode::PositionAboveLast},
        {size + 1, 99, ArrayCode::PositionAboveLast},
        {1, -1, ArrayCode::NumberBelowZero},
        {1, 65, ArrayCode::NumberAbove64},
    };
    for (const ArrayCase& c : cases) {
        Settings s = defaults();
        set(s, 2, 7);
        EXPECT_EQ(set(s, c.position, c.number), c.code) << c.position << " " << c.number;
    }
}

TEST(ArraySetters, CodesInOrderPositionThenNumber) {
    check_array_codes(set_array7_entry, Array7Size);
    check_array_codes(set_array15_entry, Array15Size);
}

TEST(ArraySetters, RefusedEntryChangesNothing) {
    Settings s = defaults();
    set_array7_entry(s, 3, 12);
    set_array15_entry(s, 3, 12);
    const Settings before = s;
    set_array7_entry(s, 8, 1);
    set_array7_entry(s, 3, 65);
    set_array15_entry(s, 16, 1);
    set_array15_entry(s, 3, -2);
    EXPECT_EQ(s.array7, before.array7);
    EXPECT_EQ(s.array7_mask, before.array7_mask);
    EXPECT_EQ(s.array15, before.array15);
    EXPECT_EQ(s.array15_mask, before.array15_mask);
}

TEST(ArraySetters, MaskRebuiltFromAllPositions) {
    Settings s = defaults();
    set_array7_entry(s, 1, 5);
    set_array7_entry(s, 2, 5); // the same number twice is one bit
    set_array7_entry(s, 7, 39);
    EXPECT_EQ(s.array7_mask, NumberBit[5] | NumberBit[39]);
    set_array7_entry(s, 1, 0); // still at position 2
    EXPECT_EQ(s.array7_mask, NumberBit[5] | NumberBit[39]);
    set_array7_entry(s, 2, 0);
    EXPECT_EQ(s.array7_mask, NumberBit[39]);
    set_array7_entry(s, 7, 64);
    EXPECT_EQ(s.array7_mask, NumberBit[64]);

    for (int i = 1; i <= Array15Size; ++i) set_array15_entry(s, i, i);
    EXPECT_EQ(s.array15_mask, span_mask(1, 15));
    set_array15_entry(s, 15, 0);
    EXPECT_EQ(s.array15_mask, span_mask(1, 14));
}

TEST(BitCount, PortableAndInstructionAgree) {
    Mask m = 0x9e3779b97f4a7c15u;
    for (int i = 0; i < 1000; ++i) {
        m = m * 6364136223846793005u + 1442695040888963407u;
        for (Mask v : {m, m & (m >> 7), Mask{0}, ~Mask{0}, Mask{1} << (i % 64)}) {
            int expected = 0;
            for (Mask t = v; t; t &= t - 1) ++expected;
            EXPECT_EQ(popcount(v), expected);
            EXPECT_EQ(popcount_instruction(v), expected);
        }
    }
}

} // namespace
} // namespace lotto
