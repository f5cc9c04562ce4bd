// The history files lotto739-cli refuses (the analyses' text tables are
// shown and checked in docs/backtest.md, docs/funnel.md and docs/explain.md).
#include "tests/cli/cli_runner.h"

namespace {

using namespace lotto::test;

// A bad history is refused before any analysis: status 2, nothing on stdout, one line naming
// the file. (--skip-bad-lines: docs/backtest.md; the notes on eight and fourteen numbers in a row:
// docs/history-files.md.)
TEST(CliHistory, BadFilesAreRefused) {
    TempDir dir;
    write_file(dir.path / "bad.csv", "1,2,3,4,5,6,7\n1,2,3,4,5,6,40\n");
    const std::pair<std::string, std::string> cases[] = {
        {"bad.csv", "bad.csv:2: "},
        {"bad.csv --history-columns 2-8", "bad.csv:1: "},
    };
    for (const auto& [args, fragment] : cases)
        expect_refused(run_cli("-f 7=5 --backtest --history " + args, dir.path), 2, fragment);
}

} // namespace
