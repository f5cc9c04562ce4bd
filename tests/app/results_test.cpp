// What the shell does with a result store: the viewer's pages, the text export, the statistics.
#include "app/export_file.h"
#include "app/format.h"
#include "app/statistics.h"
#include "app/viewer.h"

#include "tests/app/support.h"

#include <gtest/gtest.h>

namespace lotto {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(ViewerPages, CountAndSpansCutAtTheCount) {
    const struct {
        uint32_t count, pages, page, first, last;
    } cases[] = {
        {0, 1, 1, 1, 0}, // nothing stored: one empty page
        {1, 1, 1, 1, 1},
        {1000, 2, 2, 1001, 1000}, // a multiple of 1000 ends in an empty page
        {1001, 2, 2, 1001, 1001},
        {15380937, 15381, 15381, 15380001, 15380937},
        {5000, 6, 0, 1, 0},                                 // there is no page 0
        {15380937, 15381, 4294967295u, 15380938, 15380937}, // far past the end: no wrap-around
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << " page " << c.page);
        EXPECT_EQ(page_count(c.count), c.pages);
        EXPECT_EQ(page_span(c.page, c.count).first, c.first);
        EXPECT_EQ(page_span(c.page, c.count).last, c.last);
    }
}

const std::vector<uint8_t> TwoRecords = {1, 2, 3, 4, 5, 6, 7, 9, 10, 19, 20, 29, 30, 39};

TEST(ExportFile, WritesTwentyEightBytesPerRecordOverAnyOldFile) {
    test::TempDir dir;
    const fs::path file = dir.path / "kvx7_00000002.txt";
    test::write_file(file, std::string(200, 'z')); // a longer file of the same name is replaced
    const ExportResult r = export_to_file(dir.path.string(), TwoRecords.data(), 2);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(fs::path(r.path), file);
    EXPECT_EQ(r.bytes, 56u);
    EXPECT_EQ(test::read_file(file),
              "01, 02, 03, 04, 05, 06, 07\r\n09, 10, 19, 20, 29, 30, 39\r\n");
    EXPECT_EQ(test::names_in(dir.path), Lines{"kvx7_00000002.txt"});
    EXPECT_TRUE(export_to_file(dir.path.string() + "/", TwoRecords.data(), 1).ok);
    EXPECT_EQ(test::read_file(dir.path / "kvx7_00000001.txt"), "01, 02, 03, 04, 05, 06, 07\r\n");
    const ExportResult none = export_to_file(dir.path.string(), TwoRecords.data(), 0);
    EXPECT_TRUE(none.ok && none.bytes == 0) << none.error;
    EXPECT_EQ(test::read_file(dir.path / "kvx7_00000000.txt"), ""); // throws when missing
}

// Root ignores permissions, so the failures come from paths that cannot be directories.
TEST(ExportFile, UnwritableDirectoryFailsWithAMessageAndLeavesNoFile) {
    test::TempDir dir;
    test::write_file(dir.path / "plain", "x");
    for (const fs::path& bad : {dir.path / "missing", dir.path / "plain"}) {
        const ExportResult r = export_to_file(bad.string(), TwoRecords.data(), 1);
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_NE(r.error.find("kvx7_00000001.txt"), std::string::npos) << r.error;
        EXPECT_NE(r.error.find(bad.string()), std::string::npos) << r.error;
        EXPECT_EQ(r.bytes, 0u);
        EXPECT_FALSE(fs::exists(bad / "kvx7_00000001.txt"));
    }
    EXPECT_FALSE(fs::exists(dir.path / "missing"));
}

// Record counts around the eight-byte steps of the count, so every tail length is covered; the
// table is cleared first, and nothing stored gives no lines.
TEST(Statistics, EveryTailLengthFromAClearedTable) {
    std::vector<uint8_t> store;
    for (int b = 0; b < 17 * 7; ++b) store.push_back(uint8_t(1 + (b / 7 + b % 7) % 39));
    for (uint32_t count = 0; count <= 17; ++count) {
        StatisticsTable table, expected{};
        table.fill(99);
        count_numbers(store.data(), count, table);
        for (std::size_t b = 0; b < std::size_t{count} * 7; ++b) ++expected[store[b]];
        EXPECT_EQ(table, expected) << count;
        EXPECT_TRUE(count != 0 || statistics_lines(table).empty());
    }
}

TEST(Statistics, LinesLeastFrequentFirstThenNumberOrder) {
    StatisticsTable table{};
    table[39] = 5, table[2] = 100, table[10] = 5, table[0] = 3, table[65] = 7;
    table[64] = 1; // the list covers 1..64 even though stored numbers stop at 39
    EXPECT_EQ(statistics_lines(table),
              (Lines{"0000000001=64", "0000000005=10", "0000000005=39", "0000000100=02"}));
}

} // namespace
} // namespace lotto
