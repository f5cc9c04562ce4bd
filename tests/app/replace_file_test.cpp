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

// A name outside ASCII, in UTF-8 or in a single-byte code page (0xE4 is "ä" in 1252), is the
// name written, byte for byte, straight or behind a link; nothing else is left in the folder.
TEST(ReplaceFile, ANameOutsideAsciiKeepsItsBytes) {
    const struct {
        std::string folder, name, link; // link: "" writes to the name itself
    } cases[] = {{"J\xfcrgen",
                  "r\xe4"
                  "der.txt",
                  ""},
                 {"J\xc3\xbcrgen",
                  "r\xc3\xa4"
                  "der.txt",
                  "l\xc3\xafnk"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " " + c.link);
        test::TempDir dir;
        const fs::path folder = dir.path / c.folder;
        fs::create_directory(folder);
        if (!c.link.empty()) fs::create_symlink(c.name, folder / c.link);
        const std::string given =
            (dir.path / c.folder).string() + "/" + (c.link.empty() ? c.name : c.link);
        ASSERT_EQ(write_replacing(given, "new", 3), "");
        EXPECT_EQ(test::read_file(folder / c.name), "new");
        std::vector<std::string> names{c.name};
        if (!c.link.empty()) names.insert(names.begin(), c.link);
        EXPECT_EQ(test::names_in(folder), names);
    }
}

// A text written in pieces shows under its name only once committed, whole; a file dropped before
// its commit, or whose pieces fall short of the size announced, leaves the earlier file as it was.
TEST(ReplaceFile, PiecesReplaceTheFileOnlyWhenCommittedWhole) {
    const struct {
        const char* what;
        std::size_t size;
        bool commit;
        std::string reason, left; // what the commit says, what the file then holds
    } cases[] = {
        {"committed", 6, true, "", "abcdef"},
        {"dropped", 6, false, "", "old"},
        {"short", 7, true, "the write was incomplete (6 of 7 bytes written)", "old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        const fs::path target = dir.path / "target.txt";
        test::write_file(target, "old");
        {
            ReplacingFile file(target.string(), c.size);
            EXPECT_TRUE(file.write("abc", 3) && file.write("def", 3));
            EXPECT_EQ(test::read_file(target), "old");
            EXPECT_EQ(test::names_in(dir.path).size(), 2u); // beside it, the temporary file
            if (c.commit) {
                EXPECT_EQ(file.commit(), c.reason);
            }
        }
        EXPECT_EQ(test::read_file(target), c.left);
        EXPECT_EQ(test::names_in(dir.path), std::vector<std::string>{"target.txt"});
    }
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

// A full device shows at the flush, before the commit, which then says why.
TEST(ReplaceFile, AFlushTellsAFullDeviceBeforeTheCommit) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ReplacingFile file("/dev/full", 3);
    EXPECT_TRUE(file.write("abc", 3));
    EXPECT_FALSE(file.flush());
    EXPECT_FALSE(file.ok());
    EXPECT_EQ(file.commit(), "No space left on device");
}
#endif

} // namespace
} // namespace lotto
