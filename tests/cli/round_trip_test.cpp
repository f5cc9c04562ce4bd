// What the program writes with tickets in it reads back as a ticket file holding those tickets.
#include "tests/cli/cli_runner.h"

#include "analysis/tickets.h"

namespace {

using namespace lotto::test;
using lotto::Combination;
using Tickets = std::vector<Combination>;

// The tickets read back from what the program printed on stdout with args.
Tickets read_back(const std::string& args, const fs::path& dir) {
    const Outcome o = run_cli(args, dir);
    EXPECT_EQ(o.status, 0) << args << o.err;
    write_file(dir / "tickets.txt", o.out);
    const lotto::TicketFile f = lotto::read_tickets((dir / "tickets.txt").string());
    EXPECT_TRUE(f.ok()) << args << ": " << f.error;
    Tickets numbers;
    for (const lotto::Ticket& t : f.tickets) numbers.push_back(t.numbers);
    return numbers;
}

// -f 1=248 keeps the 12 combinations whose sum is 248 or more, -f 1=252 only 33..39.
TEST(CliRoundTrip, EveryTicketOutputReadsBackAsTheSameTickets) {
    TempDir dir;
    const Tickets page = read_back("-f 1=248 --page 1 --format json", dir.path);
    ASSERT_EQ(page.size(), 12u);
    EXPECT_EQ(page[0], (Combination{29, 34, 35, 36, 37, 38, 39}));
    EXPECT_EQ(page[11], (Combination{33, 34, 35, 36, 37, 38, 39}));
    const Tickets sample = read_back("-f 1=248 --sample 4 --seed 3 --format json", dir.path);
    ASSERT_EQ(sample.size(), 4u);
    const Tickets top = {{33, 34, 35, 36, 37, 38, 39}};

    const std::string s = "-f 1=248 --sample 4 --seed 3";
    const std::pair<std::string, const Tickets*> cases[] = {
        {"-f 1=248 --page 1", &page},
        {"-f 1=248 --page 1 -q", &page},
        {"-f 1=248 --page 1 --format csv", &page},
        {"-f 1=248 --export=- -q", &page},
        {s, &sample},
        {s + " -q", &sample},
        {s + " --format csv", &sample},
        {s + " --page 1 --stats --export -q", nullptr},    // the page, then the sample
        {"-f 1=252 --stats --sample 1 --seed 1 -q", &top}, // "1 combination"
    };
    Tickets both = page;
    both.insert(both.end(), sample.begin(), sample.end());
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(read_back(args, dir.path), expected ? *expected : both) << args;
}

// A ticket check's output holds its tickets, repeats and all, in every format; the check of a
// reduction holds none and is refused, never read for the combinations it lists as uncovered.
TEST(CliRoundTrip, ATicketCheckReadsBackAsItsTickets) {
    TempDir dir;
    write_file(dir.path / "t.txt", "1 2 3 4 5 6 7\n3 9 19 23 24 25 28\n01-02-03-04-05-06-07\n");
    write_file(dir.path / "h.csv", "2024-01-06;3 7 11 19 23 31 38;5\n2024-01-13;1 2 3 4 5 6 8;9\n");
    const Tickets tickets = {
        {1, 2, 3, 4, 5, 6, 7}, {3, 9, 19, 23, 24, 25, 28}, {1, 2, 3, 4, 5, 6, 7}};
    const std::string check = "--check-tickets t.txt --history h.csv --history-columns 2 "
                              "--bonus-column 3 --format ";
    for (const std::string format : {"text", "csv", "json"})
        EXPECT_EQ(read_back(check + format, dir.path), tickets) << format;
    EXPECT_EQ(read_back("--check-tickets t.txt --draw 1,2,3,4,5,6,8", dir.path), tickets);

    const Outcome reduction = run_cli("-f 32=5 --reduce 4 --check-wheel t.txt", dir.path);
    ASSERT_EQ(reduction.status, 1) << reduction.err;
    write_file(dir.path / "c.txt", reduction.out);
    const std::string file = (dir.path / "c.txt").string();
    EXPECT_EQ(lotto::read_tickets(file).error,
              file + ":1: is the output of a check, which holds no tickets; give the ticket file "
                     "it checked");
}

} // namespace
