// lotto739-cli's --threads (its bad values are in options_test.cpp): outputs that are the same byte
// for byte on one thread and on several, and the count that needs no store while a store that
// cannot be had is an error.
#include "tests/cli/cli_runner.h"

namespace {

using namespace lotto::test;

#ifdef __SANITIZE_THREAD__
constexpr const char* MoreThreads[] = {"2"}; // every thread costs a lot under ThreadSanitizer
#else
constexpr const char* MoreThreads[] = {"2", "3", "5000"};
#endif

// Each case's stdout begins with the given text on one thread, and is the same on 2, 3 and more
// threads than there are chunks of work.
TEST(CliThreads, OutputsAreTheSameOnAnyNumberOfThreads) {
    TempDir dir;
    const std::pair<const char*, const char*> cases[] = {
        {"-f 2=60 --export=-", "01, 02, 03, 04, 05, 06, 07\r\n01, 02, 03, 04, 05, 06, 08\r\n"},
        {"-f 7=5 --stats --format csv", "number,count\r\n1,435897\r\n2,435897\r\n"},
        {"-f 3=2,4=2 -q --page 2652", "2651184\n"},
        {"-f 7=5 --sample 5 --seed 11 -q", "2760681\n"},
        {"-f 1=200,8=39 --funnel --format csv",
         "filter,label,parameter,alone,cumulative,only\r\n"
         "1,\"01) Minimum amount of numbers \",200,208323,208323,12524528\r\n"
         "8,\"08) Unlucky number \",39,12620256,95728,112595\r\nall,,,95728,95728,\r\n"}};
    for (const auto& [args, begins] : cases) {
        const Outcome one = run_cli(std::string(args) + " --threads 1", dir.path);
        ASSERT_EQ(one.status, 0) << args << one.err;
        EXPECT_TRUE(one.out.starts_with(begins)) << args << "\n" << one.out.substr(0, 200);
        for (const char* threads : MoreThreads) {
            const Outcome many = run_cli(std::string(args) + " --threads " + threads, dir.path);
            ASSERT_EQ(many.status, 0) << args << many.err;
            EXPECT_TRUE(many.out == one.out) << args << " --threads " << threads;
        }
    }
}

// The commands that run on one thread take --threads with one line saying it changes nothing,
// their output as without it; without --threads they say nothing. (--list's line is in
// docs/threads-and-memory.md, a check of a wheel's in docs/wheel.md.)
TEST(CliThreads, CommandsOnOneThreadSaySo) {
    TempDir dir;
    write_file(dir.path / "tk.txt", "1,2,3,4,5,6,7\n");
    write_file(dir.path / "h.csv", "1,2,3,4,5,6,39\n8,9,10,11,12,13,38\n");
    const std::pair<const char*, const char*> cases[] = {
        {"--explain 1,2,3,4,5,6,7", "--explain, which measures one combination on one thread"},
        {"--check-tickets tk.txt --draw 1,2,3,4,5,6,7",
         "--check-tickets, whose tickets are checked on one thread"},
        {"--history-stats --history h.csv",
         "--history-stats, whose counts are taken on one thread"}};
    for (const auto& [args, command] : cases) {
        const Outcome plain = run_cli(args, dir.path),
                      threaded = run_cli(std::string(args) + " --threads 3", dir.path);
        EXPECT_EQ(std::tie(plain.status, plain.err), std::tuple(0, "")) << args << plain.err;
        EXPECT_EQ(std::tie(threaded.status, threaded.out, threaded.err),
                  std::tuple(0, plain.out,
                             std::string("lotto739-cli: --threads changes nothing for ") + command +
                                 "\n"));
    }
}

// A reduction's check shares its count run among the threads and says nothing of them (a wheel's
// line: docs/wheel.md); the one ticket covers none of the 6435 stored combinations.
TEST(CliThreads, AReductionCheckTakesThreadsSilently) {
    TempDir dir;
    write_file(dir.path / "w.txt", "03, 05, 12, 20, 21, 30, 38\n");
    const Outcome o =
        run_cli("-f 32=5 --reduce 6 --check-wheel w.txt --threads 2 --format csv", dir.path);
    EXPECT_EQ(std::tie(o.status, o.out, o.err),
              std::tuple(1, "holds,tickets,cases,uncovered,repeated\r\nno,1,6435,6435,0\r\n", ""));
}

#ifdef __linux__
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define LOTTO_SANITIZED 1 // the sanitizers reserve more address space than the limit below allows
#endif

// With 60 MB of address space the 7/39 store (107,666,559 bytes) cannot be had: the runs that read
// records fail with one line naming its size; the count alone, the statistics alone and the funnel
// need no store, and the threads the system refuses are done without. (A store that fits and a
// reduction that does not: WheelCli.)
TEST(CliThreads, AStoreThatCannotBeHadIsOneLineAndTheCountNeedsNone) {
#ifdef LOTTO_SANITIZED
    GTEST_SKIP() << "address-space limits and sanitizers do not mix";
#endif
    TempDir dir;
    const std::string limit = "ulimit -v 60000";
    for (const char* args : {"-f 7=5 --page 1", "-q --stats --sample 1", "--export=- -f 32=6"})
        expect_refused(run_cli(args, dir.path, limit), 1,
                       "lotto739-cli: cannot obtain the result store (107666559 bytes)\n");
    EXPECT_TRUE(run_cli("-f 7=5 -q --stats", dir.path, limit)
                    .out.starts_with("2760681\n2760681 combinations\n0000435897=01\n"));
    // Room for a few threads' stacks only: the threads that start do the work.
    EXPECT_EQ(run_cli("-f 7=5 -q --threads 5000", dir.path, limit).out, "2760681\n");
    EXPECT_EQ(run_cli("-f 7=5 -q --format csv --threads 2", dir.path, limit).out,
              "stored\r\n2760681\r\n");
    const Outcome funnel = run_cli("-f 7=5 --funnel --format csv", dir.path, limit);
    EXPECT_EQ(funnel.status, 0) << funnel.err;
    EXPECT_NE(funnel.out.find("\n7,"), std::string::npos) << funnel.out;
}
#endif

} // namespace
