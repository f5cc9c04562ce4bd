#include "app/report.h"

#include <gtest/gtest.h>

namespace lotto {
namespace {

TEST(Report, FourLinesWithTimeAndCountRightAfterTheText) {
    const struct {
        double seconds;
        uint32_t count;
        const char* time_line;
        const char* count_line;
    } cases[] = {
        {2.75, 1234, "Job done in:2.75 seconds", "Number of filtered combinations:1234"},
        {0, 0, "Job done in:0. seconds", "Number of filtered combinations:0"},
        {0.03125, 15380937, "Job done in:0.0312 seconds",
         "Number of filtered combinations:15380937"},
        {125.123456, 12, "Job done in:125.1235 seconds", "Number of filtered combinations:12"},
    };
    for (const auto& c : cases) {
        const auto lines = report_lines(c.seconds, c.count);
        EXPECT_EQ(lines[0], "Active filters");
        EXPECT_EQ(lines[1], c.time_line);
        EXPECT_EQ(lines[2], "Full system 15380937 combinations");
        EXPECT_EQ(lines[3], c.count_line);
    }
}

TEST(Report, TextJoinsTheLinesWithCarriageReturnsOnly) {
    EXPECT_EQ(report_text(2.75, 1234), "Active filters\rJob done in:2.75 seconds\r"
                                       "Full system 15380937 combinations\r"
                                       "Number of filtered combinations:1234");
}

} // namespace
} // namespace lotto
