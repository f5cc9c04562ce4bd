#include "app/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace lotto {
namespace {

TEST(Catalogue, SixtyFourDistinctLabelsNumberedInTwoDigits) {
    std::set<std::string_view> seen;
    for (int k = 1; k <= 64; ++k) {
        const std::string prefix = std::to_string(100 + k).substr(1) + ") ";
        EXPECT_TRUE(filter_label(k).starts_with(prefix)) << k << ": " << filter_label(k);
        seen.insert(filter_label(k));
    }
    EXPECT_EQ(seen.size(), 64u);
    for (int k : {-1, 0, 65}) EXPECT_TRUE(filter_label(k).empty()) << k;
}

TEST(Catalogue, OneTrailingSpaceOnExactlyTheseLabels) {
    const std::set<int> spaced = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                  12, 13, 14, 15, 16, 17, 18, 19, 21, 23, 24};
    for (int k = 1; k <= 64; ++k) {
        const std::string_view label = filter_label(k);
        EXPECT_EQ(label.ends_with(" "), spaced.count(k) == 1) << k << ": '" << label << "'";
        EXPECT_FALSE(label.ends_with("  ")) << k;
    }
}

TEST(Catalogue, SampleLabelsVerbatim) {
    const struct {
        int k;
        std::string_view text;
    } cases[] = {
        {1, "01) Minimum amount of numbers "},        {9, "09) Minimum 1.number "},
        {19, "19) Must be at least one group "},      {20, "20) No groups"},
        {23, "23) Mimimum 2 numbers groups "},        {27, "27) Minimum 4+ numbers groups"},
        {34, "34) Maximum the same differences"},     {42, "42) Minimumu in range D1"},
        {46, "46) Minimum from array 1,4,7,10..."},   {58, "58) First 2 numbers (even and odd)"},
        {62, "62) Maximum numbers from 7 el. array"}, {64, "64) Maximum numbers from 15 el. array"},
    };
    for (const auto& c : cases) EXPECT_EQ(filter_label(c.k), c.text);
}

TEST(Catalogue, RangeNames) {
    const char* names[] = {"", "A1", "A2", "B1", "B2", "C1", "C2", "D1", "D2", "E1", "E2", ""};
    for (int r = 0; r <= 11; ++r) EXPECT_EQ(range_name(r), names[r]) << r;
}

} // namespace
} // namespace lotto
