// The texts the shell shows: filter labels, the number masks and the count report.
#include "app/catalogue.h"
#include "app/format.h"
#include "app/report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>

namespace lotto {
namespace {

// The 64 labels stand verbatim in docs/list.md, which runs `lotto739-cli list`.
TEST(Catalogue, NoLabelOutsideOneTo64AndTheRangeNames) {
    for (int k : {-1, 0, 65}) EXPECT_TRUE(filter_label(k).empty()) << k;
    EXPECT_EQ(filter_label(64), "64) Maximum numbers from 15 el. array");
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
