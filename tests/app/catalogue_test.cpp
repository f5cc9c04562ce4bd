#include "app/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace lotto {
namespace {

TEST(FilterLabels, EveryFilterHasOneDistinctLabelNumberedInTwoDigits) {
    std::set<std::string_view> seen;
    for (int k = 1; k <= 64; ++k) {
        const std::string_view label = filter_label(k);
        std::string prefix = k < 10 ? "0" : "";
        prefix += std::to_string(k);
        prefix += ") ";
        EXPECT_TRUE(label.starts_with(prefix)) << k << ": " << label;
        seen.insert(label);
    }
    EXPECT_EQ(seen.size(), 64u);
}

TEST(FilterLabels, OutsideOneToSixtyFourIsEmpty) {
    for (int k : {-1, 0, 65, 1000}) EXPECT_TRUE(filter_label(k).empty()) << k;
}

TEST(FilterLabels, TrailingSpaceOnExactlyTheseFilters) {
    const std::set<int> with_space = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                      12, 13, 14, 15, 16, 17, 18, 19, 21, 23, 24};
    for (int k = 1; k <= 64; ++k) {
        const std::string_view label = filter_label(k);
        const bool spaced = label.ends_with(" ");
        EXPECT_EQ(spaced, with_space.count(k) == 1) << k << ": '" << label << "'";
        if (spaced) {
            EXPECT_NE(label[label.size() - 2], ' ') << k; // one space, not two
        }
    }
}

struct LabelCase {
    int k;
    std::string_view text;
};

class ExactLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ExactLabel, ReadsVerbatim) { EXPECT_EQ(filter_label(GetParam().k), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Sample, ExactLabel,
                         ::testing::Values(LabelCase{1, "01) Minimum amount of numbers "},
                                           LabelCase{9, "09) Minimum 1.number "},
                                           LabelCase{19, "19) Must be at least one group "},
                                           LabelCase{20, "20) No groups"},
                                           LabelCase{22, "22) Maximum groups"},
                                           LabelCase{23, "23) Mimimum 2 numbers groups "},
                                           LabelCase{27, "27) Minimum 4+ numbers groups"},
                                           LabelCase{34, "34) Maximum the same differences"},
                                           LabelCase{42, "42) Minimumu in range D1"},
                                           LabelCase{46, "46) Minimum from array 1,4,7,10..."},
                                           LabelCase{58, "58) First 2 numbers (even and odd)"},
                                           LabelCase{62, "62) Maximum numbers from 7 el. array"},
                                           LabelCase{64, "64) Maximum numbers from 15 el. array"}));

TEST(RangeNames, TenNamesInOrderAndNothingOutside) {
    const char* expected[] = {"A1", "A2", "B1", "B2", "C1", "C2", "D1", "D2", "E1", "E2"};
    for (int r = 1; r <= 10; ++r) EXPECT_EQ(range_name(r), expected[r - 1]) << r;
    EXPECT_TRUE(range_name(0).empty());
    EXPECT_TRUE(range_name(11).empty());
}

TEST(RangeNames, EachRangeFilterLabelNamesItsOwnRange) {
    for (int r = 1; r <= 10; ++r) EXPECT_TRUE(filter_label(35 + r).ends_with(range_name(r))) << r;
}

} // namespace
} // namespace lotto
