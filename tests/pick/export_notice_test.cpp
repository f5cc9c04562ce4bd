// The export's closing texts: the "Notify" text with its seconds (rounded as the count report's
// milliseconds, tests/app/texts_test.cpp), and the failure text.
#include "app/win32/export_notice.h"

#include <gtest/gtest.h>

#include <limits>

namespace lotto::win {
namespace {

TEST(ExportNotice, NamesTheFileAndTheSecondsWithThreeDecimals) {
    const std::pair<double, const char*> cases[] = {
        {0.969, "0.969"},
        {12.3456, "12.346"},
        {-0.5, "0.000"}, // a monotonic clock gives none, but never print a negative time
        {std::numeric_limits<double>::quiet_NaN(), "0.000"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(export_notice("kvx7_00000012.txt", seconds),
                  std::string("We store combinations  in file kvx7_00000012.txt in ") + text +
                      " seconds")
            << seconds;
}

TEST(ExportNotice, FailureNamesTheFileAndTheReason) {
    const std::string text = export_failure("kvx7_15380937.txt", "disk full");
    EXPECT_NE(text.find("kvx7_15380937.txt"), std::string::npos);
    EXPECT_NE(text.find("disk full"), std::string::npos);
    EXPECT_EQ(text.find("We store"), std::string::npos);
}

} // namespace
} // namespace lotto::win
