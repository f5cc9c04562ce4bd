// Writing over a path that is not a plain file: a link stays a link and a pipe stays a pipe.
#include "app/replace_file.h"

#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <string>

#ifdef __linux__
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace lotto {
namespace {

namespace fs = std::filesystem;

TEST(ReplaceFile, ALinkStaysALinkAndTheFileItNamesIsReplaced) {
    test::TempDir dir;
    test::write_file(dir.path / "target.txt", "old");
    fs::create_symlink("target.txt", dir.path / "link");
    ASSERT_EQ(write_replacing((dir.path / "link").string(), "new", 3), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir.path / "link")));
    EXPECT_EQ(test::read_file(dir.path / "target.txt"), "new");
    EXPECT_EQ(test::names_in(dir.path), (std::vector<std::string>{"link", "target.txt"}));
}

#ifdef __linux__
TEST(ReplaceFile, APipeIsWrittenIntoAndStaysAPipe) {
    test::TempDir dir;
    const fs::path pipe = dir.path / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK); // the writer needs a reader
    ASSERT_GE(reader, 0);
    ASSERT_EQ(write_replacing(pipe.string(), "through", 7), "");
    char got[16] = {};
    EXPECT_EQ(read(reader, got, sizeof got), 7);
    EXPECT_STREQ(got, "through");
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    close(reader);
}
#endif

} // namespace
} // namespace lotto
