#include "app/viewer.h"

#include "tests/app/stores.h"

#include <gtest/gtest.h>

namespace lotto {
namespace {

struct PagesCase {
    uint32_t count;
    uint32_t pages;
};

class PageCount : public ::testing::TestWithParam<PagesCase> {};

TEST_P(PageCount, IsWholeThousandsPlusOne) {
    EXPECT_EQ(page_count(GetParam().count), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(Counts, PageCount,
                         ::testing::Values(PagesCase{0, 1}, PagesCase{1, 1}, PagesCase{999, 1},
                                           PagesCase{1000, 2}, PagesCase{1001, 2},
                                           PagesCase{1999, 2}, PagesCase{2000, 3},
                                           PagesCase{15380937, 15381}));

struct SpanCase {
    uint32_t page;
    uint32_t count;
    uint32_t first;
    uint32_t last;
};

class Span : public ::testing::TestWithParam<SpanCase> {};

TEST_P(Span, IsCutAtTheCount) {
    const PageSpan span = page_span(GetParam().page, GetParam().count);
    EXPECT_EQ(span.first, GetParam().first);
    EXPECT_EQ(span.last, GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Span,
    ::testing::Values(SpanCase{1, 0, 1, 0}, // nothing stored: page 1 is empty
                      SpanCase{1, 1, 1, 1}, SpanCase{1, 999, 1, 999}, SpanCase{1, 5000, 1, 1000},
                      SpanCase{2, 1000, 1001, 1000}, // the empty last page
                      SpanCase{2, 1001, 1001, 1001}, SpanCase{3, 2500, 2001, 2500},
                      SpanCase{15381, 15380937, 15380001, 15380937},
                      SpanCase{0, 5000, 1, 0},                               // no page 0
                      SpanCase{4294967295u, 15380937, 15380938, 15380937})); // far past: no wrap

TEST(ViewerLine, NumberEqualsAndTwoDigitNumbersEachFollowedByAComma) {
    const uint8_t first[7] = {1, 2, 3, 4, 5, 6, 7};
    const uint8_t last[7] = {33, 34, 35, 36, 37, 38, 39};
    const uint8_t mixed[7] = {5, 9, 10, 19, 20, 29, 30};
    EXPECT_EQ(viewer_line(1, first), "00000001=01,02,03,04,05,06,07,");
    EXPECT_EQ(viewer_line(15380937, last), "15380937=33,34,35,36,37,38,39,");
    EXPECT_EQ(viewer_line(1001, mixed), "00001001=05,09,10,19,20,29,30,");
}

TEST(PageLines, NumbersCountFromTheStartOfTheStore) {
    std::vector<uint8_t> store;
    for (uint32_t i = 0; i < 1001; ++i) {
        const uint8_t v = static_cast<uint8_t>(1 + i % 33);
        for (uint8_t j = 0; j < 7; ++j) store.push_back(static_cast<uint8_t>(v + j));
    }
    const auto page1 = page_lines(store.data(), 1001, 1);
    ASSERT_EQ(page1.size(), 1000u);
    EXPECT_EQ(page1.front(), "00000001=01,02,03,04,05,06,07,");
    EXPECT_EQ(page1.back(), "00001000=10,11,12,13,14,15,16,");
    const auto page2 = page_lines(store.data(), 1001, 2);
    ASSERT_EQ(page2.size(), 1u);
    EXPECT_EQ(page2[0], "00001001=11,12,13,14,15,16,17,");
}

TEST(PageLines, EmptyPagesHaveNoLines) {
    const auto store = test::store_of({{1, 2, 3, 4, 5, 6, 7}});
    EXPECT_TRUE(page_lines(store.data(), 0, 1).empty());
    EXPECT_TRUE(page_lines(store.data(), 1, 2).empty());
    EXPECT_TRUE(page_lines(store.data(), 1, 0).empty());
}

TEST(PageLines, FullSystemLastPage) {
    const test::RunResult r = test::run_with({});
    ASSERT_TRUE(r.store);
    ASSERT_EQ(r.count, FullSystem);
    ASSERT_EQ(page_count(r.count), 15381u);
    const auto first = page_lines(r.store.get(), r.count, 1);
    EXPECT_EQ(first.front(), "00000001=01,02,03,04,05,06,07,");
    const auto last = page_lines(r.store.get(), r.count, 15381);
    ASSERT_EQ(last.size(), 937u);
    EXPECT_EQ(last.front().substr(0, 9), "15380001=");
    EXPECT_EQ(last.back(), "15380937=33,34,35,36,37,38,39,");
    EXPECT_TRUE(page_lines(r.store.get(), r.count, 15382).empty());
}

} // namespace
} // namespace lotto
