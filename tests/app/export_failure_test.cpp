// An export that fails half way, or is killed half way, leaves an earlier file of its name as it
// was and no partial file under that name. The device runs full through a file-size limit set in
// a child process: with SIGXFSZ ignored the write fails with EFBIG, with the signal's default
// action the child is killed in the middle of the write.
#include "app/export_file.h"

#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#ifdef __linux__
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace lotto {
namespace {

namespace fs = std::filesystem;

// A store of `count` records, each 1..7.
std::vector<uint8_t> records(uint32_t count) {
    std::vector<uint8_t> store;
    for (uint32_t i = 0; i < 7 * count; ++i) store.push_back(uint8_t(1 + i % 7));
    return store;
}

// A directory in the file's place: the text is written but cannot be renamed into place.
TEST(ExportFailure, TargetThatIsADirectoryStaysAndNoTemporaryFileIsLeft) {
    test::TempDir dir;
    fs::create_directory(dir.path / "kvx7_00000002.txt");
    test::write_file(dir.path / "kvx7_00000002.txt" / "inside", "kept");
    const std::vector<uint8_t> store = records(2);
    const ExportResult r = export_to_file(dir.path.string(), store.data(), 2);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.bytes, 0u);
    EXPECT_TRUE(r.error.starts_with("cannot write " + r.path + ": ")) << r.error;
    EXPECT_FALSE(r.reason.empty());
    EXPECT_EQ(test::names_in(dir.path), std::vector<std::string>{"kvx7_00000002.txt"});
    EXPECT_EQ(test::read_file(dir.path / "kvx7_00000002.txt" / "inside"), "kept");
}

#ifdef __linux__

struct ChildExport {
    int status = 0;     // as from waitpid
    std::string reason; // ExportResult::reason, when the child lived to tell it
};

// Exports `count` records into dir from a child process whose files may not grow beyond `limit`
// bytes; with killed_by_limit the child dies of SIGXFSZ instead of seeing EFBIG.
ChildExport export_in_child(const fs::path& dir, uint32_t count, rlim_t limit,
                            bool killed_by_limit) {
    const std::vector<uint8_t> store = records(count);
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) ADD_FAILURE() << "pipe: " << std::strerror(errno);
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipe_ends[0]);
        const rlimit small{limit, limit};
        std::signal(SIGXFSZ, killed_by_limit ? SIG_DFL : SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &small) != 0) _exit(3);
        const ExportResult r = export_to_file(dir.string(), store.data(), count);
        if (write(pipe_ends[1], r.reason.data(), r.reason.size()) < 0) _exit(4);
        _exit(r.ok ? 0 : 1);
    }
    close(pipe_ends[1]);
    ChildExport child;
    char buf[256];
    for (ssize_t n; (n = read(pipe_ends[0], buf, sizeof buf)) > 0;) child.reason.append(buf, n);
    close(pipe_ends[0]);
    waitpid(pid, &child.status, 0);
    return child;
}

// The device fills during the write itself (28,000 bytes, more than stdio buffers), during the
// flush at close (56 buffered bytes), in the export's second slice of text, or kills the export
// in the middle of its write; each with and without an earlier file of the same name.
TEST(ExportFailure, FullDeviceLeavesTheEarlierFileWholeAndNoPartialFile) {
    const std::string too_large = std::strerror(EFBIG);
    const struct {
        const char* what;
        uint32_t count;
        rlim_t limit;
        bool killed;
        std::string reason; // what the failed export says
    } cases[] = {
        {"write", 1000, 10000, false, too_large + " (10000 of 28000 bytes written)"},
        {"close", 2, 20, false, too_large},
        {"second slice", 70000, 1900000, false, too_large + " (1900000 of 1960000 bytes written)"},
        {"killed", 1000, 10000, true, ""},
    };
    for (const auto& c : cases)
        for (const bool earlier : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (earlier ? " over an earlier file" : ""));
            test::TempDir dir;
            const std::string name = export_file_name(c.count);
            const std::string old_text(3 * c.count, 'o'); // what an earlier export left
            if (earlier) test::write_file(dir.path / name, old_text);

            const ChildExport child = export_in_child(dir.path, c.count, c.limit, c.killed);
            if (c.killed) {
                EXPECT_TRUE(WIFSIGNALED(child.status) && WTERMSIG(child.status) == SIGXFSZ);
            } else {
                EXPECT_TRUE(WIFEXITED(child.status) && WEXITSTATUS(child.status) == 1)
                    << child.status;
                EXPECT_EQ(child.reason, c.reason);
            }
            const fs::path file = dir.path / name;
            const bool exists = fs::exists(file);
            EXPECT_EQ(exists, earlier);
            EXPECT_EQ(exists ? test::read_file(file) : "", earlier ? old_text : "");
            // A killed export cannot clean up: its temporary file stays, under another name.
            std::vector<std::string> left = test::names_in(dir.path);
            std::erase(left, name);
            EXPECT_EQ(left.size(), c.killed ? 1u : 0u);
            EXPECT_TRUE(left.empty() || left[0].starts_with(name + ".tmp-")) << left[0];
        }
}

#endif

} // namespace
} // namespace lotto
