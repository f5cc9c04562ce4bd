// lotto739-cli --wheel, --reduce, --check-wheel and odds: what only large or starved runs show,
// shaped wheels (--keys, --filtered-tickets, --repair) against counts the test makes itself, and
// the bad inputs, each one line on stderr (the outputs of each format: docs/wheel.md,
// docs/reduce.md, docs/check-wheel.md, docs/tickets.md).
#include "tests/cli/cli_runner.h"

#include <nlohmann/json.hpp>

#include <bit>

namespace {

using namespace lotto::test;
using Json = nlohmann::json;

// The M-subsets of 1..v that some ticket meets in T numbers, counted one by one.
uint64_t covered(const Json& tickets, int v, int t, int m) {
    std::vector<uint64_t> masks;
    for (const Json& ticket : tickets) {
        masks.push_back(0);
        for (int n : ticket) masks.back() |= uint64_t{1} << (n - 1);
    }
    uint64_t n = 0;
    for (uint64_t s = 0; s < uint64_t{1} << v; ++s)
        if (std::popcount(s) == m)
            n += std::any_of(masks.begin(), masks.end(),
                             [&](uint64_t k) { return std::popcount(k & s) >= t; });
    return n;
}

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
// A reduction without the memory it needs (its store fits) is one line naming how much it needs,
// not a crash.
TEST(WheelCli, AReductionWithoutTheMemoryItNeedsSaysHowMuch) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "address-space limits and sanitizers do not mix";
#endif
    TempDir dir;
    const std::string needs = "lotto739-cli: --reduce 3: not enough memory for the 5643043 stored "
                              "combinations: the search needs about 405 MB";
    expect_refused(run_cli("-f 1=150 --reduce 3 --seed 1", dir.path, "ulimit -v 350000"), 1,
                   needs + "; filter them further or choose a smaller T\n");
    expect_refused(
        run_cli("-f 1=150 --reduce 3 --tickets 9 --seed 1", dir.path, "ulimit -v 350000"), 1,
        needs + "\n");
}
#endif

TEST(TicketsCli, KeyNumbersStandInEveryTicket) {
    TempDir dir;
    const Outcome o =
        run_cli("--wheel 1-12 --guarantee 3-if-3 --keys 38,30 --seed 2 --format json", dir.path);
    ASSERT_EQ(o.status, 0) << o.err;
    const Json j = Json::parse(o.out);
    EXPECT_EQ(j["keys"], Json::parse("[30,38]"));
    for (const Json& t : j["tickets"]) {
        const std::vector<int> n = t.get<std::vector<int>>();
        EXPECT_EQ(std::count(n.begin(), n.end(), 30) + std::count(n.begin(), n.end(), 38), 2);
    }
    EXPECT_EQ(covered(j["tickets"], 12, 3, 3), 220u);
}

TEST(TicketsCli, FilteredTicketsPassTheFiltersOrTheImpossibleIsNamed) {
    TempDir dir;
    const Outcome o = run_cli("-f 3=3 --wheel 1-13 --guarantee 3-if-4 --filtered-tickets --seed 1 "
                              "--format json",
                              dir.path);
    ASSERT_EQ(o.status, 0) << o.err;
    const Json j = Json::parse(o.out);
    for (const Json& t : j["tickets"]) { // filter 3 with 3: three even numbers or more
        const std::vector<int> n = t.get<std::vector<int>>();
        EXPECT_EQ(n.size(), 7u);
        EXPECT_GE(std::count_if(n.begin(), n.end(), [](int x) { return x % 2 == 0; }), 3) << t;
    }
    EXPECT_EQ(covered(j["tickets"], 13, 3, 4), 715u);
    EXPECT_EQ(j["uncoverable"], 0);
    // Seven numbers apart from their neighbours: 1..13 hold one such ticket.
    const std::string none = "-f 32=2 --wheel 1-13 --guarantee 2-if-3 --filtered-tickets --seed 1";
    const Outcome impossible = run_cli(none, dir.path);
    expect_one_line_error(impossible, 1);
    EXPECT_EQ(impossible.err, "lotto739-cli: --filtered-tickets: no ticket that passes the filters "
                              "holds 2 numbers of 125 of the 286 3-subsets, such as 01, 02, 04, "
                              "so no such tickets give 2-if-3; --tickets B covers what they can\n");
    const Outcome budget = run_cli(none + " --tickets 3", dir.path);
    EXPECT_EQ(budget.status, 0);
    EXPECT_TRUE(holds(budget.out, "# no ticket that passes your filters covers the other 125\n"));
}

// A file that needs no ticket more is said to (the marks of what a repair adds and its values in
// each format: docs/tickets.md and docs/wheel.md; the mending: tests/wheel budget_test).
TEST(TicketsCli, RepairOfAWholeWheelAddsNothing) {
    TempDir dir;
    write_file(dir.path / "whole.txt", "01, 02, 06, 07, 09, 10, 12\n01, 03, 04, 05, 06, 08, 11\n"
                                       "02, 03, 04, 05, 07, 08, 11\n04, 05, 08, 09, 10, 11, 12\n");
    const Outcome o =
        run_cli("--wheel 1-12 --guarantee 3-if-4 --seed 1 --repair whole.txt", dir.path);
    EXPECT_TRUE(holds(o.out, "# whole.txt holds the guarantee already: no ticket added\n"))
        << o.out;
    EXPECT_EQ(o.lines.size(), 8u);
}

TEST(WheelCli, BadInputIsOneLineAndStatusTwo) {
    TempDir dir;
    write_file(dir.path / "empty.txt", "");
    write_file(dir.path / "t.txt", "01, 02, 03, 04, 05, 06, 07\n");
    const std::string eight = "--wheel 1,2,3,4,5,6,7,8 ", w = "--wheel 1-20 --guarantee 3-if-4 ";
    const std::pair<std::string, std::string> cases[] = {
        {"--wheel 0,2,3,4,5,6,7,8 --guarantee 2-if-2", "number 0 is outside 1..39"},
        {"--wheel 1,2,3,4,5,6,7,7 --guarantee 2-if-2", "number 7 is given twice"},
        {"--wheel 8-1,9 --guarantee 2-if-2", "the range 8-1 runs downwards"},
        {eight + "--guarantee 0-if-3", "T must lie in 2..7"},
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
        {"--effort 2", "--effort needs --wheel or --reduce"},
        {"--tickets-from any", "--tickets-from needs --reduce"},
        {"--reduce 3 --tickets-from some", "expected stored or any"},
        {"--check-wheel t.txt", "--check-wheel needs"},
        {"--reduce 3 --check-wheel t.txt --tickets-from any",
         "--check-wheel checks the file's tickets and searches none; drop --tickets-from"},
        {eight + "--guarantee 2-if-2 --check-wheel t.txt --seed 3", "searches none; drop --seed"},
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
        {w + "--tickets 0", "--tickets 0: '0' is not a number of tickets 1..100000000"},
        {w + "--tickets ten", "'ten' is not a number of tickets"},
        {"--tickets 5", "--tickets needs --wheel LIST --guarantee T-if-M, or --reduce T"},
        {"--reduce 3 --keys 25", "--keys needs --wheel LIST --guarantee T-if-M"},
        {"-f 32=6 --reduce 3 --repair missing.txt", "missing.txt: no such file"},
        {w + "--keys 5", "--keys: key number 5 is among the wheel's numbers"},
        {w + "--keys 40", "--keys 40: number 40 is outside 1..39"},
        {w + "--keys 21-26", "6 key numbers given; 1 to 5"},
        {w + "--keys 21-25",
         "with 5 key numbers a ticket holds 2 of the wheel's numbers, fewer than the 3"},
        {"-f 1=100 --filtered-tickets", "--filtered-tickets needs --wheel LIST"},
        {w + "--filtered-tickets", "--filtered-tickets needs active filters"},
        {w + "--repair t.txt --check-wheel t.txt", "--repair shapes a search; --check-wheel"},
        {w + "--repair missing.txt", "missing.txt: no such file"},
        {"odds empty.txt", "empty.txt: is empty"},
        {"--odds t.txt --stats", "drop --stats"},
        {"odds t.txt -f 3=7,5=7", "the filters keep no draw"},
    };
    for (const auto& [args, says] : cases) expect_refused(run_cli(args, dir.path), 2, says);
}

} // namespace
