#include "app/report.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lotto {
namespace {

TEST(ReportLines, WorkedExample) {
    const auto lines = report_lines(2.75, 1234);
    EXPECT_EQ(lines[0], "Active filters");
    EXPECT_EQ(lines[1], "Job done in:2.75 seconds");
    EXPECT_EQ(lines[2], "Full system 15380937 combinations");
    EXPECT_EQ(lines[3], "Number of filtered combinations:1234");
}

struct CountCase {
    uint32_t count;
    const char* line;
};

class ReportCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(ReportCount, FollowsTheColonDirectly) {
    EXPECT_EQ(report_lines(0.5, GetParam().count)[3], GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Counts, ReportCount,
                         ::testing::Values(CountCase{0, "Number of filtered combinations:0"},
                                           CountCase{12, "Number of filtered combinations:12"},
                                           CountCase{15380937,
                                                     "Number of filtered combinations:15380937"}));

struct TimeCase {
    double seconds;
    const char* line;
};

class ReportTime : public ::testing::TestWithParam<TimeCase> {};

TEST_P(ReportTime, UsesTheDecimalMask) {
    EXPECT_EQ(report_lines(GetParam().seconds, 1)[1], GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Times, ReportTime,
                         ::testing::Values(TimeCase{0, "Job done in:0. seconds"},
                                           TimeCase{3, "Job done in:3. seconds"},
                                           TimeCase{0.03125, "Job done in:0.0312 seconds"},
                                           TimeCase{125.123456, "Job done in:125.1235 seconds"}));

TEST(ReportText, JoinsTheFourLinesWithCarriageReturnsOnly) {
    EXPECT_EQ(report_text(2.75, 1234), "Active filters\rJob done in:2.75 seconds\r"
                                       "Full system 15380937 combinations\r"
                                       "Number of filtered combinations:1234");
    const std::string text = report_text(0.1, 0);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3);
    EXPECT_NE(text.back(), '\r');
}

} // namespace
} // namespace lotto
