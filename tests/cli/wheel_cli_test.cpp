// lotto739-cli --wheel, --reduce and --check-wheel: a known small wheel in each format, a planted
// hole found by the check, and the bad inputs, each one line on stderr with exit status 2.
#include "tests/cli/cli_runner.h"

namespace {

using namespace lotto::test;

// Over 20,000,000 subsets a verification that takes well under a second ("2 if 7" over 41
// numbers) is not announced; only its summary line follows.
TEST(WheelCli, AFastVerificationOfManySubsetsIsNotAnnounced) {
    TempDir dir;
    const Outcome o =
        run_cli("--game 7/41 --wheel 1-41 --guarantee 2-if-7 --seed 1 --format csv", dir.path);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(o.err.starts_with("lotto739-cli: guarantee 2 if 7 verified over all 22481940 "
                                  "7-subsets in "))
        << o.err;
    EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err;
}

#ifdef __linux__
// A reduction without the memory it needs is one line naming how much it needs, not a crash.
TEST(WheelCli, AReductionWithoutTheMemoryItNeedsSaysHowMuch) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "address-space limits and sanitizers do not mix";
#endif
    TempDir dir;
    expect_refused(run_cli("-f 1=150 --reduce 3 --seed 1", dir.path, "ulimit -v 350000"), 1,
                   "lotto739-cli: --reduce 3: not enough memory for the 5643043 stored "
                   "combinations: the search needs about 405 MB; filter them further or "
                   "choose a smaller T\n");
    expect_refused(
        run_cli("-f 1=150 --reduce 3 --tickets 9 --seed 1", dir.path, "ulimit -v 350000"), 1,
        "lotto739-cli: --reduce 3: not enough memory for the 5643043 stored "
        "combinations: the search needs about 405 MB\n");
}
#endif

TEST(WheelCli, CheckOfAReductionCountsTheStoredCombinations) {
    TempDir dir;
    write_file(dir.path / "one.txt", "01, 02, 03, 04, 05, 06, 07\n");
    const Outcome o = run_cli("-f 32=5 --reduce 6 --check-wheel one.txt --format csv", dir.path);
    EXPECT_EQ(o.status, 1) << o.err;
    EXPECT_EQ(o.out, "holds,tickets,cases,uncovered,repeated\r\nno,1,6435,6435,0\r\n");
}

TEST(WheelCli, BadInputIsOneLineAndStatusTwo) {
    TempDir dir;
    write_file(dir.path / "empty.txt", "");
    write_file(dir.path / "bad.txt", "01, 02, 03, 04, 05, 06, 07\n1, 2, 3\n");
    const std::string eight = "--wheel 1,2,3,4,5,6,7,8 ";
    const struct {
        std::string args, says;
    } cases[] = {
        {"--wheel 1,2,3,4,5,6,7,40 --guarantee 2-if-2", "number 40 is outside 1..39"},
        {"--wheel 0,2,3,4,5,6,7,8 --guarantee 2-if-2", "number 0 is outside 1..39"},
        {"--wheel 1,2,3,4,5,6,7,7 --guarantee 2-if-2", "number 7 is given twice"},
        {"--wheel 1,2,3,4,5,6,7 --guarantee 2-if-2", "8 or more numbers, 7 given"},
        {"--wheel 1,2,x,4,5,6,7,8 --guarantee 2-if-2", "'x' is not a number"},
        {"--wheel 8-1,9 --guarantee 2-if-2", "the range 8-1 runs downwards"},
        {"--wheel 1-8,5 --guarantee 2-if-2", "number 5 is given twice"},
        {eight + "--guarantee 0-if-3", "T must lie in 2..7"},
        {eight + "--guarantee 3-if-8", "M must lie in T..7"},
        {eight, "--wheel needs --guarantee"},
        {"--guarantee 3-if-4", "--guarantee needs --wheel"},
        {"--reduce 1", "not a number of matches 2..6"},
        {"--reduce 7", "not a number of matches 2..6"},
        {eight + "--guarantee 2-if-2 --reduce 3", "separate runs"},
        {"--reduce 3 --backtest --history h.txt", "drop --backtest"},
        {"--reduce 4 --sample 3", "drop --sample"},
        {eight + "--guarantee 2-if-2 --effort 0", "not a whole number"},
        {eight + "--guarantee 2-if-2 --effort 1.5", "not a whole number"},
        {eight + "--guarantee 2-if-2 --time-limit 0", "more than 0 seconds"},
        {eight + "--guarantee 2-if-2 --time-limit -1", "not a number of seconds"},
        {eight + "--guarantee 2-if-2 --time-limit 2s", "not a number of seconds"},
        {"--effort 2", "--effort needs --wheel or --reduce"},
        {"--tickets-from any", "--tickets-from needs --reduce"},
        {"--reduce 3 --tickets-from some", "expected stored or any"},
        {"--check-wheel bad.txt", "--check-wheel needs"},
        {"--reduce 3 --check-wheel bad.txt --tickets-from any",
         "--check-wheel checks the file's tickets and searches none; drop --tickets-from"},
        {eight + "--guarantee 2-if-2 --check-wheel bad.txt --seed 3", "searches none; drop --seed"},
        {"--wheel '1 2;;4 5 6 7 8 9' --guarantee 2-if-2", "'' is not a number 1..39"},
        {"-f 3=7,5=7 --reduce 3", "the settings store no combination"}, // 7 even and 7 odd
        {"--game 7/42 --reduce 5",
         "the 26978328 stored combinations are more than the 25714285 a reduction to 5 can "
         "take; filter them further or choose a smaller T\n"},
        // Below half the game, and at T = 2 no smaller T to advise.
        {"--game 7/47 -f 1=170 --reduce 2",
         "the 30346567 stored combinations are more than the 25714285 a reduction to 2 can "
         "take; filter them further\n"},
        // Half the game or more: what the construction leaves is too much to mend.
        {"--game 7/47 -f 1=150,2=200 --reduce 3 --time-limit 0.1 --seed 1",
         "stored combinations uncovered, more than the 15428571 a reduction to 3 can mend; filter "
         "them further or choose a smaller T\n"},
        {eight + "--guarantee 2-if-2 --check-wheel missing.txt", "missing.txt"},
        {eight + "--guarantee 2-if-2 --check-wheel empty.txt", "empty.txt"},
        {eight + "--guarantee 2-if-2 --check-wheel .", "."},
        {eight + "--guarantee 2-if-2 --check-wheel bad.txt", "bad.txt:2:"},
    };
    for (const auto& c : cases) expect_refused(run_cli(c.args, dir.path), 2, c.says);
}

} // namespace
