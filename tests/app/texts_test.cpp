// The texts the shell shows: filter labels, the number masks and the count report.
#include "app/catalogue.h"
#include "app/format.h"
#include "app/report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <tuple>

namespace lotto {
namespace {

TEST(Catalogue, SixtyFourNumberedLabelsVerbatimAndTheRangeNames) {
    const std::set<int> spaced = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                  12, 13, 14, 15, 16, 17, 18, 19, 21, 23, 24};
    std::set<std::string_view> seen;
    for (int k = 1; k <= 64; ++k) {
        const std::string_view label = filter_label(k);
        EXPECT_TRUE(label.starts_with(std::to_string(100 + k).substr(1) + ") ")) << label;
        EXPECT_EQ(label.ends_with(" "), spaced.count(k) == 1) << k << ": '" << label << "'";
        EXPECT_FALSE(label.ends_with("  ")) << k;
        seen.insert(label);
    }
    EXPECT_EQ(seen.size(), 64u);
    for (int k : {-1, 0, 65}) EXPECT_TRUE(filter_label(k).empty()) << k;
    const std::pair<int, std::string_view> cases[] = {
        {1, "01) Minimum amount of numbers "},        {9, "09) Minimum 1.number "},
        {19, "19) Must be at least one group "},      {20, "20) No groups"},
        {23, "23) Mimimum 2 numbers groups "},        {27, "27) Minimum 4+ numbers groups"},
        {34, "34) Maximum the same differences"},     {42, "42) Minimumu in range D1"},
        {46, "46) Minimum from array 1,4,7,10..."},   {58, "58) First 2 numbers (even and odd)"},
        {62, "62) Maximum numbers from 7 el. array"}, {64, "64) Maximum numbers from 15 el. array"},
    };
    for (const auto& [k, text] : cases) EXPECT_EQ(filter_label(k), text);
    const char* names[] = {"", "A1", "A2", "B1", "B2", "C1", "C2", "D1", "D2", "E1", "E2", ""};
    for (int r = 0; r <= 11; ++r) EXPECT_EQ(range_name(r), names[r]) << r;
}

TEST(NumberMasks, ZeroPaddedAndPlain) {
    const std::tuple<uint64_t, int, const char*, const char*> cases[] = {
        {0, 2, "00", "0"},
        {5, 2, "05", "5"},
        {2760681, 10, "0002760681", "2760681"},
        {std::numeric_limits<uint64_t>::max(), 10, "18446744073709551615", "18446744073709551615"}};
    for (const auto& [value, digits, padded, plain] : cases) {
        EXPECT_EQ(format_zero_padded(value, digits), padded) << value;
        EXPECT_EQ(format_plain(value), plain) << value;
    }
}

// Exact binary ties round to the even fourth decimal; values that only look like ties in decimal
// round by their true binary value (2.00005 is stored just below the tie, 1.00005 just above).
TEST(NumberMasks, DecimalRoundsToFourPlacesAndKeepsThePoint) {
    const std::pair<double, const char*> cases[] = {
        {2.75, "2.75"},      {12.3456, "12.3456"}, {2.75099, "2.751"},
        {3, "3."},           {0.1, "0.1"},         {0, "0."},
        {-1e-9, "0."},       {0.03125, "0.0312"},  {0.09375, "0.0938"},
        {0.00005, "0.0001"}, {2.00005, "2."},      {1.00005, "1.0001"},
        {0.99995, "1."},     {9.99996, "10."},     {86400.001, "86400.001"},
        {-0.0, "0."},        {0.00004, "0."},      {99.99996, "100."},
        {0.8125, "0.8125"},  {-2.5, "-2.5"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(format_decimal4(value), text) << value;
    EXPECT_EQ(format_decimal4(std::numeric_limits<double>::max()).size(), 309u + 1u);
}

TEST(NumberMasks, MillisecondsKeepThreeDecimalsAndNeverGoNegative) {
    const std::pair<double, const char*> cases[] = {
        {0.0424, "0.042"},
        {0.0425, "0.043"},
        {12.5, "12.500"},
        {0.00004, "0.000"},
        {-3.2, "0.000"},
        {1.9996, "2.000"},
        {std::numeric_limits<double>::quiet_NaN(), "0.000"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(format_milliseconds(value), text) << value;
}

TEST(Report, FourLinesJoinedByCarriageReturnsOnly) {
    const std::tuple<double, uint32_t, const char*> cases[] = {
        {2.75, 1234, "Job done in:2.75 seconds"},
        {0, 0, "Job done in:0. seconds"},
        {125.123456, 15380937, "Job done in:125.1235 seconds"}};
    for (const auto& [seconds, count, time_line] : cases) {
        const std::string count_line = "Number of filtered combinations:" + std::to_string(count);
        EXPECT_EQ(report_lines(seconds, count),
                  (std::array<std::string, 4>{"Active filters", time_line,
                                              "Full system 15380937 combinations", count_line}));
        EXPECT_EQ(report_text(seconds, count), "Active filters\r" + std::string(time_line) +
                                                   "\rFull system 15380937 combinations\r" +
                                                   count_line);
    }
}

} // namespace
} // namespace lotto
