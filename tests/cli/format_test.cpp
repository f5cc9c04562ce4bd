// Every machine-readable output of the real lotto739-cli, parsed back: JSON with the JSON library,
// CSV with an RFC 4180 reader.
#include "tests/cli/cli_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

namespace fs = std::filesystem;
using lotto::test::Outcome;
using lotto::test::run_cli;
using lotto::test::TempDir;
using Json = nlohmann::json;
using Table = std::vector<std::vector<std::string>>;

Json parse_json(const Outcome& o) {
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(o.out.ends_with("}\n")) << o.out;
    return Json::parse(o.out); // throws, failing the test, unless it is one JSON document
}

// RFC 4180: CR LF after every record, fields quoted when they hold commas, quotes or line breaks.
Table parse_csv(const Outcome& o) {
    EXPECT_EQ(o.status, 0) << o.err;
    Table rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < o.out.size(); ++i) {
        const char c = o.out[i];
        if (quoted) {
            if (c != '"')
                rows.back().back() += c;
            else if (i + 1 < o.out.size() && o.out[i + 1] == '"')
                rows.back().back() += o.out[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r') {
            EXPECT_EQ(o.out[i + 1], '\n') << "a lone CR at " << i;
            ++i;
            rows.emplace_back(1);
        } else {
            EXPECT_NE(c, '\n') << "a lone LF at " << i;
            rows.back().back() += c;
        }
    }
    EXPECT_EQ(rows.back(), std::vector<std::string>{""}) << "the last record ends in CR LF";
    rows.pop_back();
    for (const auto& row : rows) EXPECT_EQ(row.size(), rows[0].size());
    return rows;
}

const std::vector<std::string> CombinationHeader = {"index", "n1", "n2", "n3",
                                                    "n4",    "n5", "n6", "n7"};

TEST(CliJson, CountRunWithEveryOutput) {
    TempDir dir;
    const Json j = parse_json(run_cli(
        "-f 1=248,55 --page 1 --stats --sample 3 --seed 9 --export --format json", dir.path));
    EXPECT_EQ(j["stored"], 12);
    EXPECT_EQ(j["full_system"], 15380937);
    EXPECT_TRUE(j["seconds"].is_number());
    EXPECT_EQ(j["active_filters"], Json::parse(R"([
        {"filter": 1, "label": "01) Minimum amount of numbers ", "parameter": 248},
        {"filter": 55, "label": "55) 7. number is odd", "parameter": null}])"));
    const Json& page = j["page"]["combinations"];
    EXPECT_EQ(j["page"]["number"], 1);
    ASSERT_EQ(page.size(), 12u);
    EXPECT_EQ(page[0], Json::parse(R"({"index": 1, "numbers": [29,34,35,36,37,38,39]})"));
    EXPECT_EQ(page[11]["index"], 12);
    EXPECT_EQ(j["export"]["path"], "kvx7_00000012.txt");
    EXPECT_EQ(j["export"]["bytes"], 336);
    ASSERT_EQ(j["stats"].size(), 39u);
    uint32_t numbers = 0;
    for (const Json& s : j["stats"]) numbers += s["count"].get<uint32_t>();
    EXPECT_EQ(numbers, 7u * 12u);
    EXPECT_EQ(j["stats"][0], Json::parse(R"({"number": 1, "count": 0})"));
    EXPECT_EQ(j["stats"][38], Json::parse(R"({"number": 39, "count": 12})"));
    EXPECT_EQ(j["sample"]["seed"], 9);
    EXPECT_EQ(j["sample"]["requested"], 3);
    ASSERT_EQ(j["sample"]["combinations"].size(), 3u);
    for (const Json& ticket : j["sample"]["combinations"])
        EXPECT_EQ(ticket, page[ticket["index"].get<int>() - 1]);

    EXPECT_EQ(parse_json(run_cli("-f 1=248 -q --format json", dir.path)),
              Json::parse(R"({"stored": 12})"));
    const Json list = parse_json(run_cli("--list --format json", dir.path));
    ASSERT_EQ(list["filters"].size(), 64u);
    EXPECT_EQ(list["filters"][6],
              Json::parse(R"({"filter": 7, "label": "07) Lucky number ", "highest": 39})"));
    EXPECT_TRUE(list["filters"][19]["highest"].is_null());
}

TEST(CliCsv, EachOutputIsOneTable) {
    TempDir dir;
    const Table report = parse_csv(run_cli("-f 1=248 --format csv", dir.path));
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[0], (std::vector<std::string>{"stored", "seconds"}));
    EXPECT_EQ(report[1][0], "12");
    EXPECT_EQ(parse_csv(run_cli("-f 1=248 -q --format csv", dir.path)),
              (Table{{"stored"}, {"12"}}));

    const Table page = parse_csv(run_cli("-f 1=248 --page 1 --format csv", dir.path));
    ASSERT_EQ(page.size(), 13u);
    EXPECT_EQ(page[0], CombinationHeader);
    EXPECT_EQ(page[12], (std::vector<std::string>{"12", "33", "34", "35", "36", "37", "38", "39"}));

    const Table sample = parse_csv(run_cli("-f 1=248 --sample 4 --seed 3 --format=csv", dir.path));
    ASSERT_EQ(sample.size(), 5u);
    EXPECT_EQ(sample[0], CombinationHeader);
    for (std::size_t i = 1; i < sample.size(); ++i)
        EXPECT_EQ(sample[i], page[std::stoul(sample[i][0])]);

    const Table stats = parse_csv(run_cli("-f 52 --stats --format csv", dir.path));
    ASSERT_EQ(stats.size(), 40u);
    EXPECT_EQ(stats[0], (std::vector<std::string>{"number", "count"}));
    EXPECT_EQ(stats[1], (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(stats[3], (std::vector<std::string>{"3", "376992"}));

    const Table list = parse_csv(run_cli("--list --format csv", dir.path));
    ASSERT_EQ(list.size(), 65u);
    EXPECT_EQ(list[1], (std::vector<std::string>{"1", "01) Minimum amount of numbers ", "252"}));
    EXPECT_EQ(list[20], (std::vector<std::string>{"20", "20) No groups", ""}));

    // An export to a file says so on stderr, leaving stdout one table.
    const Outcome exported = run_cli("-f 1=248 --export --format csv", dir.path);
    EXPECT_EQ(parse_csv(exported).size(), 2u);
    EXPECT_TRUE(exported.err.starts_with("lotto739-cli: Exported kvx7_00000012.txt: 336 bytes"))
        << exported.err;
}

// The analysis outputs, with the keys other front ends read.
TEST(CliAnalysis, JsonAndCsvShapes) {
    TempDir dir;
    std::ofstream(dir.path / "draws.csv") << "1,2,3,4,5,6,7\n5,9,12,20,27,33,39\n"
                                             "29,34,35,36,37,38,39\n";
    const std::string filters = "-f 7=5,20,1=100 ";
    const Json b =
        parse_json(run_cli(filters + "--backtest --history draws.csv --format json", dir.path));
    EXPECT_EQ(b["draw_count"], 3);
    ASSERT_EQ(b["filters"].size(), 3u);
    for (const Json& row : b["filters"])
        for (const char* key : {"filter", "label", "parameter", "draws_kept", "combinations_kept",
                                "expected_draws_kept", "p_value"})
            EXPECT_TRUE(row.contains(key)) << key;
    EXPECT_EQ(b["filters"][1]["filter"], 7);
    EXPECT_TRUE(b["filters"][2]["parameter"].is_null());
    for (const char* key : {"draws_kept", "combinations_kept", "expected_draws_kept", "p_value"})
        EXPECT_TRUE(b["all"].contains(key)) << key;
    ASSERT_EQ(b["draws"].size(), 3u);
    EXPECT_EQ(b["draws"][1]["line"], 2);
    EXPECT_EQ(b["draws"][1]["numbers"], Json::parse("[5,9,12,20,27,33,39]"));
    EXPECT_TRUE(b["draws"][1]["rejected_by"].is_array());

    const Json f = parse_json(run_cli(filters + "--funnel --format json", dir.path));
    ASSERT_EQ(f["filters"].size(), 3u);
    for (const char* key : {"filter", "label", "parameter", "alone", "cumulative", "only"})
        EXPECT_TRUE(f["filters"][0].contains(key)) << key;
    const Outcome count = run_cli(filters + "-q", dir.path);
    EXPECT_EQ(f["stored"], std::stoul(count.out));
    EXPECT_EQ(f["filters"][2]["cumulative"], f["stored"]);

    const Json e =
        parse_json(run_cli(filters + "--explain 39,5,9,12,20,27,33 --format json", dir.path));
    EXPECT_EQ(e["numbers"], Json::parse("[5,9,12,20,27,33,39]"));
    ASSERT_EQ(e["filters"].size(), 3u);
    for (const char* key : {"filter", "label", "parameter", "value", "kept"})
        EXPECT_TRUE(e["filters"][0].contains(key)) << key;
    EXPECT_EQ(
        parse_json(run_cli("--explain 1,2,3,4,5,6,7 --format json", dir.path))["filters"].size(),
        64u);

    const Table bt =
        parse_csv(run_cli(filters + "--backtest --history draws.csv --format csv", dir.path));
    ASSERT_EQ(bt.size(), 5u);
    EXPECT_EQ(bt[0][0], "filter");
    EXPECT_EQ(bt[4][0], "all");
    const Table fu = parse_csv(run_cli(filters + "--funnel --format csv", dir.path));
    ASSERT_EQ(fu.size(), 5u);
    EXPECT_EQ(fu[4][3], count.lines[0]);
    const Table ex = parse_csv(run_cli(filters + "--explain 1,2,3,4,5,6,7 --format csv", dir.path));
    ASSERT_EQ(ex.size(), 5u);
    EXPECT_EQ(ex[0], (std::vector<std::string>{"filter", "label", "parameter", "value", "kept"}));
}

} // namespace
