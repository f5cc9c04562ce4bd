// Every machine-readable output of the real lotto739-cli, parsed back: JSON with the JSON library,
// CSV with an RFC 4180 reader.
#include "tests/cli/cli_runner.h"

#include <nlohmann/json.hpp>

namespace {

using namespace lotto::test;
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
    const Json j =
        parse_json(run_cli("-f 1=248,55 --page 1 --stats --export --format json", dir.path));
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

    // Quiet, with the export's bytes on stdout and the report on stderr.
    const Outcome quiet = run_cli("-f 1=248 --export=- -q --format json", dir.path);
    EXPECT_EQ(quiet.out.size(), 336u);
    Json report = Json::parse(quiet.err);
    EXPECT_TRUE(report["export"]["seconds"].is_number());
    report["export"].erase("seconds");
    EXPECT_EQ(report, Json::parse(R"({"stored": 12, "export": {"path": "-", "bytes": 336}})"));
}

TEST(CliCsv, EachOutputIsOneTable) {
    TempDir dir;
    // An export to a file says so on stderr, leaving stdout one table.
    const Outcome exported = run_cli("-f 1=248 --export --format csv", dir.path);
    const Table report = parse_csv(exported);
    ASSERT_EQ(report.size(), 2u);
    EXPECT_EQ(report[0], (std::vector<std::string>{"stored", "seconds"}));
    EXPECT_EQ(report[1][0], "12");
    EXPECT_TRUE(exported.err.starts_with("lotto739-cli: Exported kvx7_00000012.txt: 336 bytes"))
        << exported.err;
    EXPECT_EQ(parse_csv(run_cli("-f 1=248 -q --format csv", dir.path)),
              (Table{{"stored"}, {"12"}}));

    const Table page = parse_csv(run_cli("-f 1=248 --page 1 --format csv", dir.path));
    ASSERT_EQ(page.size(), 13u);
    EXPECT_EQ(page[0], CombinationHeader);
    EXPECT_EQ(page[12], (std::vector<std::string>{"12", "33", "34", "35", "36", "37", "38", "39"}));

    const Table stats = parse_csv(run_cli("-f 1=248 --stats --format csv", dir.path));
    ASSERT_EQ(stats.size(), 40u);
    EXPECT_EQ(stats[0], (std::vector<std::string>{"number", "count"}));
    EXPECT_EQ(stats[1], (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(stats[33], (std::vector<std::string>{"33", "7"}));
    EXPECT_EQ(stats[39], (std::vector<std::string>{"39", "12"}));
}

// The back-test's values (docs/funnel.md and docs/explain.md show the CSV and JSON of those two):
// filters 7 (lucky 5) and 8 (unlucky 39) on 20 draws that all hold 5, the last also 39. In CSV the
// tiny p-values keep their digits.
TEST(CliAnalysis, JsonAndCsvValues) {
    TempDir dir;
    std::string draws;
    for (int n = 7; n <= 25; ++n) draws += "1,2,3,4,5,6," + std::to_string(n) + "\n";
    write_file(dir.path / "draws.csv", draws + "5,9,12,20,27,33,39\n");
    const std::string backtest = "-f 7=5,8=39 --backtest --history draws.csv --format ";
    EXPECT_EQ(
        parse_csv(run_cli(backtest + "csv", dir.path)),
        (Table{{"filter", "label", "parameter", "draws_kept", "draw_share", "combinations_kept",
                "combination_share", "expected_draws_kept", "p_value"},
               {"7", "07) Lucky number ", "5", "20", "1.000000", "2760681", "0.179487", "3.5897",
                "1.20412e-15"},
               {"8", "08) Unlucky number ", "39", "19", "0.950000", "12620256", "0.820513",
                "16.4103", "0.237023"},
               {"all", "", "", "19", "0.950000", "2324784", "0.151147", "3.0229", "4.38842e-15"}}));
    Json b = parse_json(run_cli(backtest + "json", dir.path));
    // Expected draws 20 * C / 15380937; p-values summed exactly with Python's fractions.
    const double expected[][2] = {{3.58974358974359, 1.2041169219478726e-15},
                                  {16.41025641025641, 0.2370230054991319},
                                  {3.0229419703103915, 4.388421504694351e-15}};
    for (std::size_t i = 0; i < 3; ++i) {
        Json& row = i < 2 ? b["filters"][i] : b["all"];
        EXPECT_NEAR(row["expected_draws_kept"], expected[i][0], 1e-12 * expected[i][0]);
        EXPECT_NEAR(row["p_value"], expected[i][1], 1e-9 * expected[i][1]);
        row.erase("expected_draws_kept"), row.erase("p_value");
    }
    ASSERT_EQ(b["draws"].size(), 20u);
    EXPECT_EQ(b["draws"][19], Json::parse(R"({"line": 20, "numbers": [5,9,12,20,27,33,39],
                                              "kept": false, "rejected_by": [8]})"));
    b.erase("draws");
    EXPECT_EQ(b, Json::parse(R"({"draw_count": 20, "filters": [
        {"filter": 7, "label": "07) Lucky number ", "parameter": 5, "draws_kept": 20,
         "combinations_kept": 2760681},
        {"filter": 8, "label": "08) Unlucky number ", "parameter": 39, "draws_kept": 19,
         "combinations_kept": 12620256}],
        "all": {"draws_kept": 19, "combinations_kept": 2324784}})"));
}

} // namespace
