// command::run in the process, as the page's server calls it: input files sent as texts, stdout
// caught or streamed, the plan of a command line.
#include "command/run.h"

#include "tests/app/support.h"

#include <gtest/gtest.h>

namespace {

using namespace lotto::command;

const std::string History = "date,n1,n2,n3,n4,n5,n6,n7\n2024-01-01,1,2,3,4,5,6,7\n"
                            "2024-01-08,3,9,12,20,25,31,38\n";

// A history sent as a text reads as the same file on the disk does, notes and all.
TEST(CommandRun, SentFilesReadAsFilesOnDisk) {
    lotto::test::TempDir dir;
    lotto::test::write_file(dir.path / "h.csv", History);
    const FileTexts files{{"h.csv", History}, {"s.txt", "-f 2=3\n"}};
    Control sent;
    sent.files = &files;
    const Outcome from_disk = run(
        {"backtest", "--history", (dir.path / "h.csv").string(), "--format", "json", "-f", "2=3"});
    ASSERT_EQ(from_disk.status, 0) << from_disk.error;
    std::string streamed;
    sent.write = [&](std::string_view bytes) { streamed += bytes; };
    const Outcome written =
        run({"--backtest", "--history", "h.csv", "--format", "json", "--settings", "s.txt"}, sent);
    EXPECT_EQ(std::tie(written.status, written.out), std::tuple(0, "")) << written.error;
    EXPECT_EQ(streamed, from_disk.out);
    EXPECT_EQ(written.notes.size(), from_disk.notes.size());
}

// With its files sent, a run reads and writes nothing on the disk: a name not sent and every
// option that writes a file are bad input.
TEST(CommandRun, SentFilesRunWritesNothing) {
    const FileTexts files{{"h.csv", History}};
    Control sent;
    sent.files = &files;
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"history-stats", "--history", "x.csv"}, "no file named 'x.csv' was sent"},
        {{"--settings", "s.txt", "-q"}, "no file named 's.txt' was sent"},
        {{"history-stats", "--history", "h.csv", "--chart", "c.svg"}, "--chart FILE writes a file"},
        {{"list", "--save-settings", "s.txt"}, "--save-settings FILE writes a file"},
        {{"wheel", "1-9", "--guarantee", "3-if-3", "--output", "w"}, "--output FILE writes a file"},
    };
    for (const auto& [args, error] : cases) {
        const Outcome o = run(args, sent);
        EXPECT_EQ(o.status, 2) << error;
        EXPECT_TRUE(o.error.starts_with(error)) << o.error;
        EXPECT_EQ(o.out, "") << error;
        EXPECT_EQ(plan(args, sent).error.empty(), args[0] == "history-stats" && args[2] == "x.csv")
            << error; // the plan reads no file but the settings
    }
    const Outcome saved = run({"list", "--game", "7/20", "--save-settings", "-"}, sent);
    EXPECT_TRUE(saved.status == 0 && saved.out.find("--game 7/20\n") != std::string::npos);
}

// The plan tells the work from the command line alone.
TEST(CommandRun, PlanTellsStoreAndLongSearch) {
    const struct {
        std::vector<std::string> args;
        bool store, search;
    } cases[] = {
        {{"count", "-q"}, false, false},
        {{"count", "--page", "1"}, true, false},
        {{"--stats"}, false, false},
        {{"reduce", "3"}, true, true},
        {{"wheel", "1-9", "--guarantee", "3-if-3"}, false, true},
        {{"check-wheel", "f", "--reduce", "3"}, true, false},
        {{"backtest", "--history", "h"}, false, false},
    };
    for (const auto& c : cases) {
        const Plan p = plan(c.args);
        EXPECT_EQ(std::tuple(p.error, p.needs_store, p.long_search),
                  std::tuple("", c.store, c.search))
            << c.args[0];
    }
    EXPECT_EQ(plan({"count", "--bogus"}).error, "unknown option '--bogus' (see --help)");
}

} // namespace
