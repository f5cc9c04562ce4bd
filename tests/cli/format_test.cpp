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

    // Quiet, with the export's bytes on stdout and the report on stderr.
    const Outcome quiet = run_cli("-f 1=248 --export=- -q --format json", dir.path);
    EXPECT_EQ(quiet.out, read_file(dir.path / "kvx7_00000012.txt"));
    Json report = Json::parse(quiet.err);
    EXPECT_TRUE(report["export"]["seconds"].is_number());
    report["export"].erase("seconds");
    EXPECT_EQ(report, Json::parse(R"({"stored": 12, "export": {"path": "-", "bytes": 336}})"));
    const Json list = parse_json(run_cli("--list --format json", dir.path));
    ASSERT_EQ(list["filters"].size(), 64u);
    EXPECT_EQ(list["filters"][6],
              Json::parse(R"({"filter": 7, "label": "07) Lucky number ", "highest": 39})"));
    EXPECT_TRUE(list["filters"][19]["highest"].is_null());
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

    const Table sample = parse_csv(run_cli("-f 1=248 --sample 4 --seed 3 --format=csv", dir.path));
    ASSERT_EQ(sample.size(), 5u);
    EXPECT_EQ(sample[0], CombinationHeader);
    for (std::size_t i = 1; i < sample.size(); ++i)
        EXPECT_EQ(sample[i], page[std::stoul(sample[i][0])]);

    const Table stats = parse_csv(run_cli("-f 1=248 --stats --format csv", dir.path));
    ASSERT_EQ(stats.size(), 40u);
    EXPECT_EQ(stats[0], (std::vector<std::string>{"number", "count"}));
    EXPECT_EQ(stats[1], (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(stats[33], (std::vector<std::string>{"33", "7"}));
    EXPECT_EQ(stats[39], (std::vector<std::string>{"39", "12"}));

    const Table list = parse_csv(run_cli("--list --format csv", dir.path));
    ASSERT_EQ(list.size(), 65u);
    EXPECT_EQ(list[1], (std::vector<std::string>{"1", "01) Minimum amount of numbers ", "252"}));
    EXPECT_EQ(list[20], (std::vector<std::string>{"20", "20) No groups", ""}));
}

// The analysis outputs: each filter's JSON object carries the keys other front ends read, and
// the CSV table has them in its header, a row per active filter and a last row for all of them.
TEST(CliAnalysis, JsonAndCsvShapes) {
    TempDir dir;
    write_file(dir.path / "draws.csv", "1,2,3,4,5,6,7\n5,9,12,20,27,33,39\n29,34,35,36,37,38,39\n");
    const std::pair<std::string, std::vector<std::string>> modes[] = {
        {"--backtest --history draws.csv",
         {"filter", "label", "parameter", "draws_kept", "combinations_kept", "expected_draws_kept",
          "p_value"}},
        {"--funnel", {"filter", "label", "parameter", "alone", "cumulative", "only"}},
        {"--explain 39,5,9,12,20,27,33", {"filter", "label", "parameter", "value", "kept"}},
    };
    std::vector<Json> json;
    for (const auto& [mode, keys] : modes) {
        SCOPED_TRACE(mode);
        const Json& j = json.emplace_back(
            parse_json(run_cli("-f 7=5,20,1=100 " + mode + " --format json", dir.path)));
        ASSERT_EQ(j["filters"].size(), 3u);
        for (const std::string& key : keys) EXPECT_TRUE(j["filters"][0].contains(key)) << key;
        EXPECT_EQ(j["filters"][1]["filter"], 7);
        EXPECT_TRUE(j["filters"][2]["parameter"].is_null());
        const Table t = parse_csv(run_cli("-f 7=5,20,1=100 " + mode + " --format csv", dir.path));
        ASSERT_EQ(t.size(), 5u);
        for (const std::string& key : keys)
            EXPECT_NE(std::find(t[0].begin(), t[0].end(), key), t[0].end()) << key;
        EXPECT_EQ(std::tie(t[2][0], t[4][0]), std::tuple("7", "all"));
        EXPECT_TRUE(mode != "--funnel" || t[4][3] == "709596") << t[4][3]; // the count run's
    }
    const Json &backtest = json[0], &funnel = json[1], &explained = json[2];
    EXPECT_EQ(backtest["draw_count"], 3);
    for (const char* key : {"draws_kept", "combinations_kept", "expected_draws_kept", "p_value"})
        EXPECT_TRUE(backtest["all"].contains(key)) << key;
    EXPECT_EQ(backtest["draws"][1], Json::parse(R"({"line": 2, "numbers": [5,9,12,20,27,33,39],
                                                    "kept": true, "rejected_by": []})"));
    EXPECT_EQ(funnel["stored"], 709596);
    EXPECT_EQ(funnel["filters"][2]["cumulative"], funnel["stored"]);
    EXPECT_EQ(explained["numbers"], Json::parse("[5,9,12,20,27,33,39]"));
    EXPECT_EQ(
        parse_json(run_cli("--explain 1,2,3,4,5,6,7 --format json", dir.path))["filters"].size(),
        64u);
}

} // namespace
