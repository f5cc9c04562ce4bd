#include "app/viewer.h"

#include "tests/app/stores.h"

#include <gtest/gtest.h>

namespace lotto {
namespace {

TEST(ViewerPages, CountAndSpansCutAtTheCount) {
    const struct {
        uint32_t count, pages, page, first, last;
    } cases[] = {
        {0, 1, 1, 1, 0}, // nothing stored: one empty page
        {1, 1, 1, 1, 1},
        {999, 1, 1, 1, 999},
        {5000, 6, 1, 1, 1000},
        {1000, 2, 2, 1001, 1000}, // a multiple of 1000 ends in an empty page
        {1001, 2, 2, 1001, 1001},
        {2500, 3, 3, 2001, 2500},
        {15380937, 15381, 15381, 15380001, 15380937},
        {5000, 6, 0, 1, 0},                                 // there is no page 0
        {15380937, 15381, 4294967295u, 15380938, 15380937}, // far past the end: no wrap-around
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << " page " << c.page);
        EXPECT_EQ(page_count(c.count), c.pages);
        const PageSpan span = page_span(c.page, c.count);
        EXPECT_EQ(span.first, c.first);
        EXPECT_EQ(span.last, c.last);
    }
}

TEST(ViewerPages, LinesNumberedFromTheStartOfTheStore) {
    std::vector<uint8_t> store;
    for (uint32_t i = 0; i < 1001; ++i)
        for (uint32_t j = 0; j < 7; ++j) store.push_back(static_cast<uint8_t>(1 + i % 33 + j));
    const auto page1 = page_lines(store.data(), 1001, 1);
    ASSERT_EQ(page1.size(), 1000u);
    EXPECT_EQ(page1.front(), "00000001=01,02,03,04,05,06,07,");
    EXPECT_EQ(page1.back(), "00001000=10,11,12,13,14,15,16,");
    EXPECT_EQ(page_lines(store.data(), 1001, 2),
              std::vector<std::string>{"00001001=11,12,13,14,15,16,17,"});
    EXPECT_TRUE(page_lines(store.data(), 0, 1).empty());
    EXPECT_TRUE(page_lines(store.data(), 1000, 2).empty());
}

TEST(ViewerPages, FullSystemLastPage) {
    const test::RunResult r = test::run_with({});
    ASSERT_EQ(r.count, FullSystem);
    const auto last = page_lines(r.store.get(), r.count, page_count(r.count));
    ASSERT_EQ(last.size(), 937u);
    EXPECT_EQ(last.front().substr(0, 9), "15380001=");
    EXPECT_EQ(last.back(), "15380937=33,34,35,36,37,38,39,");
}

} // namespace
} // namespace lotto
