// lotto739-cli --tickets, --keys, --filtered-tickets, --repair and odds: the values of each output
// format against counts the test makes itself, and the bad inputs, one line on stderr each.
#include "tests/cli/cli_runner.h"

#include "engine/measure.h"
#include "engine/settings.h"

#include <nlohmann/json.hpp>

#include <bit>

namespace {

using namespace lotto::test;
using Json = nlohmann::json;

uint64_t mask_of(const std::vector<int>& numbers) {
    uint64_t m = 0;
    for (int n : numbers) m |= uint64_t{1} << (n - 1);
    return m;
}

// The M-subsets of 1..v that some ticket meets in T numbers, counted one by one.
uint64_t covered(const Json& tickets, int v, int t, int m) {
    std::vector<uint64_t> masks;
    for (const Json& ticket : tickets) masks.push_back(mask_of(ticket.get<std::vector<int>>()));
    uint64_t n = 0;
    for (uint64_t s = 0; s < uint64_t{1} << v; ++s)
        if (std::popcount(s) == m)
            n += std::any_of(masks.begin(), masks.end(),
                             [&](uint64_t k) { return std::popcount(k & s) >= t; });
    return n;
}

TEST(TicketsCli, ABudgetWheelSaysWhatItCoversInEveryFormat) {
    TempDir dir;
    const std::string args = "--wheel 1-10 --guarantee 3-if-4 --tickets 2 --seed 5";
    const Outcome json = run_cli(args + " --format json", dir.path);
    ASSERT_EQ(json.status, 0) << json.err;
    const Json j = Json::parse(json.out);
    ASSERT_EQ(j["tickets"].size(), 2u);
    EXPECT_EQ(j["cases"], 210);
    EXPECT_EQ(j["budget"], 2);
    const uint64_t c = covered(j["tickets"], 10, 3, 4);
    EXPECT_EQ(j["covered"], c);
    EXPECT_LT(c, 210u);
    // The text: docs/tickets.md; CSV and JSON values: docs/wheel.md (--tickets 2).
    // A budget that allows the whole guarantee gives it.
    const Outcome whole =
        run_cli("--wheel 1-10 --guarantee 3-if-4 --tickets 50 --seed 5 --format json", dir.path);
    const Json w = Json::parse(whole.out);
    EXPECT_EQ(w["covered"], 210);
    EXPECT_EQ(covered(w["tickets"], 10, 3, 4), 210u);
    EXPECT_LE(w["tickets"].size(), 3u);
}

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
    // The text: docs/wheel.md (--keys 30).
}

TEST(TicketsCli, FilteredTicketsPassTheFiltersOrTheImpossibleIsNamed) {
    TempDir dir;
    const Outcome o = run_cli("-f 3=3 --wheel 1-13 --guarantee 3-if-4 --filtered-tickets --seed 1 "
                              "--format json",
                              dir.path);
    ASSERT_EQ(o.status, 0) << o.err;
    const Json j = Json::parse(o.out);
    lotto::Settings s;
    lotto::init_defaults(s);
    lotto::turn_filter_on(s, 3);
    lotto::set_parameter(s, 3, 3);
    for (const Json& t : j["tickets"]) {
        lotto::Combination c{};
        const std::vector<int> n = t.get<std::vector<int>>();
        ASSERT_EQ(n.size(), 7u);
        for (std::size_t i = 0; i < 7; ++i) c[i] = static_cast<uint8_t>(n[i]);
        EXPECT_TRUE(lotto::active_filters_keep(s, c)) << t;
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

TEST(TicketsCli, RepairMendsPlantedHolesAndMarksWhatItAdds) {
    TempDir dir;
    // A "3 if 4" wheel over 1..12 less one ticket, and the whole wheel.
    const std::string three = "01, 02, 06, 07, 09, 10, 12\n01, 03, 04, 05, 06, 08, 11\n"
                              "02, 03, 04, 05, 07, 08, 11\n";
    write_file(dir.path / "holes.txt", three);
    write_file(dir.path / "whole.txt", three + "04, 05, 08, 09, 10, 11, 12\n");
    const std::string wheel = "--wheel 1-12 --guarantee 3-if-4 --seed 1 ";
    const Outcome o = run_cli(wheel + "--repair holes.txt --format json", dir.path);
    ASSERT_EQ(o.status, 0) << o.err;
    const Json j = Json::parse(o.out);
    EXPECT_EQ(j["kept"], 3);
    EXPECT_EQ(j["tickets"][0], Json::parse("[1,2,6,7,9,10,12]"));
    EXPECT_EQ(j["tickets"].size(), 3 + j["added"].size());
    EXPECT_EQ(covered(j["tickets"], 12, 3, 4), 495u);
    // The text's marks: docs/tickets.md; the CSV's and JSON's: docs/wheel.md (--repair).
    const Outcome none = run_cli(wheel + "--repair whole.txt", dir.path);
    EXPECT_TRUE(holds(none.out, "# whole.txt holds the guarantee already: no ticket added\n"));
    EXPECT_EQ(none.lines.size(), 8u);
}

TEST(TicketsCli, BadInputIsOneLineAndStatusTwo) {
    TempDir dir;
    write_file(dir.path / "empty.txt", "");
    write_file(dir.path / "bad.txt", "01, 02, 03, 04, 05, 06, 07\n1, 2, 3\n");
    write_file(dir.path / "t.txt", "01, 02, 03, 04, 05, 06, 07\n");
    const std::string w = "--wheel 1-20 --guarantee 3-if-4 ";
    const struct {
        std::string args, says;
    } cases[] = {
        {w + "--tickets 0", "--tickets 0: '0' is not a number of tickets 1..100000000"},
        {w + "--tickets ten", "'ten' is not a number of tickets"},
        {"--tickets 5", "--tickets needs --wheel LIST --guarantee T-if-M, or --reduce T"},
        {"--reduce 3 --keys 25", "--keys needs --wheel LIST --guarantee T-if-M"},
        {"--reduce 3 --repair t.txt --check-wheel t.txt",
         "--repair shapes a search; --check-wheel"},
        {"-f 32=6 --reduce 3 --repair missing.txt", "missing.txt: no such file"},
        {"-f 32=6 --reduce 3 --repair bad.txt", "bad.txt:2:"},
        {w + "--keys 5", "--keys: key number 5 is among the wheel's numbers"},
        {w + "--keys 25,25", "--keys 25,25: number 25 is given twice"},
        {w + "--keys 40", "--keys 40: number 40 is outside 1..39"},
        {w + "--keys 21-26", "6 key numbers given; 1 to 5"},
        {w + "--keys 21-25",
         "with 5 key numbers a ticket holds 2 of the wheel's numbers, fewer than the 3"},
        {"-f 1=100 --filtered-tickets", "--filtered-tickets needs --wheel LIST"},
        {w + "--filtered-tickets", "--filtered-tickets needs active filters"},
        {w + "--repair t.txt --check-wheel t.txt", "--repair shapes a search; --check-wheel"},
        {w + "--repair missing.txt", "missing.txt: no such file"},
        {w + "--repair bad.txt", "bad.txt:2:"},
        {"odds empty.txt", "empty.txt: is empty"},
        {"odds bad.txt", "bad.txt:2:"},
        {"odds t.txt --stats", "--stats does not go with odds"},
        {"--odds t.txt --stats", "drop --stats"},
        {"odds t.txt -f 3=7,5=7", "the filters keep no draw"},
    };
    for (const auto& c : cases) expect_refused(run_cli(c.args, dir.path), 2, c.says);
}

} // namespace
