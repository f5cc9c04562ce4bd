#include "app/export_file.h"

#include "tests/app/stores.h"
#include "tests/app/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lotto {
namespace {

namespace fs = std::filesystem;

TEST(ExportText, FileNameCarriesTheCountInEightDigits) {
    EXPECT_EQ(export_file_name(0), "kvx7_00000000.txt");
    EXPECT_EQ(export_file_name(12), "kvx7_00000012.txt");
    EXPECT_EQ(export_file_name(15380937), "kvx7_15380937.txt");
}

const std::string TwoLines = "01, 02, 03, 04, 05, 06, 07\r\n"
                             "09, 10, 19, 20, 29, 30, 39\r\n";

TEST(ExportText, TwentyEightBytesPerRecordEndingInCrLf) {
    const auto store = test::store_of({{1, 2, 3, 4, 5, 6, 7}, {9, 10, 19, 20, 29, 30, 39}});
    std::string out(56, '?');
    build_export_text(store.data(), 2, out.data());
    EXPECT_EQ(out, TwoLines);
}

TEST(ExportFile, WritesTheTextIntoTheDirectory) {
    test::TempDir dir;
    const auto store = test::store_of({{1, 2, 3, 4, 5, 6, 7}, {9, 10, 19, 20, 29, 30, 39}});
    const ExportResult r = export_to_file(dir.str(), store.data(), 2);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(fs::path(r.path), dir.path() / "kvx7_00000002.txt");
    EXPECT_EQ(r.bytes, 56u);
    EXPECT_GE(r.seconds, 0.0);
    EXPECT_EQ(test::read_file(r.path), TwoLines);
    EXPECT_TRUE(export_to_file(dir.str() + "/", store.data(), 1).ok); // a trailing separator
    EXPECT_TRUE(fs::exists(dir.path() / "kvx7_00000001.txt"));
}

TEST(ExportFile, NothingStoredCreatesAnEmptyFile) {
    test::TempDir dir;
    const auto store = test::store_of({{1, 2, 3, 4, 5, 6, 7}});
    const ExportResult r = export_to_file(dir.str(), store.data(), 0);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bytes, 0u);
    ASSERT_TRUE(fs::exists(dir.path() / "kvx7_00000000.txt"));
    EXPECT_EQ(fs::file_size(dir.path() / "kvx7_00000000.txt"), 0u);
}

TEST(ExportFile, ExportingAgainReplacesTheFileWithTheSameBytes) {
    test::TempDir dir;
    const auto store = test::store_of({{1, 2, 3, 4, 5, 6, 7}, {9, 10, 19, 20, 29, 30, 39}});
    const fs::path file = dir.path() / "kvx7_00000002.txt";
    test::write_file(file, std::string(200, 'z')); // a longer file of the same name is emptied
    ASSERT_TRUE(export_to_file(dir.str(), store.data(), 2).ok);
    EXPECT_EQ(test::read_file(file), TwoLines);
    ASSERT_TRUE(export_to_file(dir.str(), store.data(), 2).ok);
    EXPECT_EQ(test::read_file(file), TwoLines);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// Root ignores permissions, so the failures come from paths that cannot be directories.
TEST(ExportFile, UnwritableDirectoryFailsWithAMessageAndLeavesNoFile) {
    test::TempDir dir;
    const auto store = test::store_of({{1, 2, 3, 4, 5, 6, 7}});
    test::write_file(dir.path() / "plain", "x");
    for (const fs::path& bad : {dir.path() / "missing", dir.path() / "plain"}) {
        const ExportResult r = export_to_file(bad.string(), store.data(), 1);
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_NE(r.error.find("kvx7_00000001.txt"), std::string::npos) << r.error;
        EXPECT_NE(r.error.find(bad.string()), std::string::npos) << r.error;
        EXPECT_EQ(r.bytes, 0u);
        EXPECT_FALSE(fs::exists(bad / "kvx7_00000001.txt"));
    }
    EXPECT_FALSE(fs::exists(dir.path() / "missing"));
}

TEST(ExportFile, RunStoringTwelve) {
    test::TempDir dir;
    const test::RunResult run = test::run_storing_twelve();
    ASSERT_TRUE(run.store);
    ASSERT_EQ(run.count, 12u);
    const ExportResult r = export_to_file(dir.str(), run.store.get(), run.count);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(fs::path(r.path).filename(), "kvx7_00000012.txt");
    EXPECT_EQ(fs::file_size(r.path), 336u);
    const std::string text = test::read_file(r.path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12);
    EXPECT_EQ(text.substr(336 - 28), "33, 34, 35, 36, 37, 38, 39\r\n");
}

TEST(ExportFile, FullSystem) {
    test::TempDir dir;
    const test::RunResult run = test::run_with({});
    ASSERT_TRUE(run.store);
    ASSERT_EQ(run.count, FullSystem);
    const ExportResult r = export_to_file(dir.str(), run.store.get(), run.count);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(fs::path(r.path).filename(), "kvx7_15380937.txt");
    EXPECT_EQ(r.bytes, 430666236u);
    EXPECT_EQ(fs::file_size(r.path), 430666236u);
    EXPECT_EQ(test::read_part(r.path, 0, 28), "01, 02, 03, 04, 05, 06, 07\r\n");
    EXPECT_EQ(test::read_part(r.path, 430666236 - 28, 40), "33, 34, 35, 36, 37, 38, 39\r\n");
}

} // namespace
} // namespace lotto
