#include "app/format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace lotto {
namespace {

struct PaddedCase {
    uint64_t value;
    int digits;
    const char* text;
};

class ZeroPadded : public ::testing::TestWithParam<PaddedCase> {};

TEST_P(ZeroPadded, PrintsEveryPlace) {
    EXPECT_EQ(format_zero_padded(GetParam().value, GetParam().digits), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Masks, ZeroPadded,
                         ::testing::Values(PaddedCase{0, 2, "00"}, PaddedCase{5, 2, "05"},
                                           PaddedCase{39, 2, "39"}, PaddedCase{123, 2, "123"},
                                           PaddedCase{0, 3, "000"}, PaddedCase{1, 8, "00000001"},
                                           PaddedCase{15380937, 8, "15380937"},
                                           PaddedCase{123456789, 8, "123456789"},
                                           PaddedCase{0, 10, "0000000000"},
                                           PaddedCase{2760681, 10, "0002760681"},
                                           PaddedCase{4294967295u, 10, "4294967295"}));

struct PlainCase {
    uint64_t value;
    const char* text;
};

class Plain : public ::testing::TestWithParam<PlainCase> {};

TEST_P(Plain, PrintsDigitsOnly) { EXPECT_EQ(format_plain(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Masks, Plain,
    ::testing::Values(PlainCase{0, "0"}, PlainCase{7, "7"}, PlainCase{252, "252"},
                      PlainCase{1234, "1234"}, PlainCase{15380937, "15380937"},
                      PlainCase{std::numeric_limits<uint64_t>::max(), "18446744073709551615"}));

struct DecimalCase {
    double value;
    const char* text;
};

class Decimal4 : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(Decimal4, RoundsToFourDecimalsAndDropsTrailingZeros) {
    EXPECT_EQ(format_decimal4(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Examples, Decimal4,
                         ::testing::Values(DecimalCase{2.75, "2.75"}, DecimalCase{0.8125, "0.8125"},
                                           DecimalCase{12.3456, "12.3456"},
                                           DecimalCase{2.75099, "2.751"}, DecimalCase{3, "3."},
                                           DecimalCase{0.25, "0.25"}, DecimalCase{0.1, "0.1"}));

// Exact binary ties round to the even fourth decimal; values that only look like ties in decimal
// round by their true binary value.
INSTANTIATE_TEST_SUITE_P(
    Rounding, Decimal4,
    ::testing::Values(DecimalCase{0.03125, "0.0312"}, DecimalCase{0.09375, "0.0938"},
                      DecimalCase{0.15625, "0.1562"}, DecimalCase{0.00005, "0.0001"},
                      DecimalCase{0.00015, "0.0001"}, DecimalCase{2.00005, "2."},
                      DecimalCase{1.00005, "1.0001"}, DecimalCase{0.00004, "0."},
                      DecimalCase{0.99995, "1."}, DecimalCase{0.999951, "1."},
                      DecimalCase{9.99996, "10."}, DecimalCase{99.99996, "100."}));

INSTANTIATE_TEST_SUITE_P(Edges, Decimal4,
                         ::testing::Values(DecimalCase{0, "0."}, DecimalCase{-0.0, "0."},
                                           DecimalCase{1e-9, "0."}, DecimalCase{-1e-9, "0."},
                                           DecimalCase{123.4, "123.4"},
                                           DecimalCase{1234.5678, "1234.5678"},
                                           DecimalCase{86400.001, "86400.001"},
                                           DecimalCase{-2.5, "-2.5"}));

TEST(Decimal4Huge, KeepsEveryIntegerDigit) {
    EXPECT_EQ(format_decimal4(1e20), "100000000000000000000.");
    EXPECT_EQ(format_decimal4(std::numeric_limits<double>::max()).size(), 309u + 1u);
}

} // namespace
} // namespace lotto
