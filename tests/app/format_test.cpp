#include "app/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace lotto {
namespace {

TEST(NumberMasks, ZeroPaddedAndPlain) {
    const struct {
        uint64_t value;
        int digits;
        const char* padded;
        const char* plain;
    } cases[] = {
        {0, 2, "00", "0"},
        {5, 2, "05", "5"},
        {123, 2, "123", "123"},
        {1, 8, "00000001", "1"},
        {15380937, 8, "15380937", "15380937"},
        {2760681, 10, "0002760681", "2760681"},
        {std::numeric_limits<uint64_t>::max(), 10, "18446744073709551615", "18446744073709551615"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_zero_padded(c.value, c.digits), c.padded) << c.value;
        EXPECT_EQ(format_plain(c.value), c.plain) << c.value;
    }
}

// Exact binary ties round to the even fourth decimal; values that only look like ties in decimal
// round by their true binary value (2.00005 is stored just below the tie, 1.00005 just above).
TEST(NumberMasks, DecimalRoundsToFourPlacesAndKeepsThePoint) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {2.75, "2.75"},
        {0.8125, "0.8125"},
        {12.3456, "12.3456"},
        {2.75099, "2.751"},
        {3, "3."},
        {0.25, "0.25"},
        {0.1, "0.1"},
        {0, "0."},
        {-0.0, "0."},
        {1e-9, "0."},
        {-1e-9, "0."},
        {0.00004, "0."},
        {0.03125, "0.0312"},
        {0.09375, "0.0938"},
        {0.15625, "0.1562"},
        {0.00005, "0.0001"},
        {2.00005, "2."},
        {1.00005, "1.0001"},
        {0.99995, "1."},
        {9.99996, "10."},
        {99.99996, "100."},
        {123.4, "123.4"},
        {86400.001, "86400.001"},
        {-2.5, "-2.5"},
        {1e20, "100000000000000000000."},
    };
    for (const auto& c : cases) EXPECT_EQ(format_decimal4(c.value), c.text) << c.value;
    EXPECT_EQ(format_decimal4(std::numeric_limits<double>::max()).size(), 309u + 1u);
}

} // namespace
} // namespace lotto
