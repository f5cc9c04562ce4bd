#include "cli/wheel_options.h"

#include "cli/number_list.h"
#include "cli/printable.h"
#include "wheel/budget.h"
#include "wheel/cover.h"

#include <charconv>

namespace lotto::cli {

namespace {

// A whole number of digits only, at most largest; none when the text is not one.
std::optional<uint32_t> whole_number(std::string_view text, uint32_t largest) {
    uint32_t n = 0;
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc{} || end != text.data() + text.size() || n > largest) return std::nullopt;
    return n;
}

std::string quoted(std::string_view text) {
    std::string q(1, '\'');
    q.append(printable(text));
    q.push_back('\'');
    return q;
}

// Distinct numbers of 1..highest or ranges A-B of them, in the order given.
std::string read_numbers(std::string_view value, uint32_t highest, std::vector<uint8_t>& numbers) {
    const std::string range = "1.." + std::to_string(highest);
    uint64_t seen = 0;
    const auto take = [&](uint32_t n) {
        if (n < 1 || n > highest) return "number " + std::to_string(n) + " is outside " + range;
        if (seen >> (n - 1) & 1) return "number " + std::to_string(n) + " is given twice";
        seen |= uint64_t{1} << (n - 1);
        numbers.push_back(static_cast<uint8_t>(n));
        return std::string();
    };
    // Each item a number, or a range A-B of the numbers A to B.
    for (const std::string_view item : number_list_items(value)) {
        const std::size_t dash = item.find('-');
        const std::optional<uint32_t> first = whole_number(item.substr(0, dash), 1000);
        const std::optional<uint32_t> last =
            dash == std::string_view::npos ? first : whole_number(item.substr(dash + 1), 1000);
        if (!first || !last)
            return quoted(item) + " is not a number " + range + " nor a range such as 1-15";
        if (*first > *last) return "the range " + std::string(item) + " runs downwards";
        for (uint32_t n = *first; n <= *last; ++n)
            if (std::string why = take(n); !why.empty()) return why;
    }
    return "";
}

} // namespace

std::string read_wheel_list(std::string_view value, WheelOptions& w, uint32_t highest) {
    std::vector<uint8_t> numbers;
    if (std::string why = read_numbers(value, highest, numbers); !why.empty()) return why;
    if (numbers.size() < 8)
        return "a wheel needs 8 or more numbers, " + std::to_string(numbers.size()) + " given";
    w.numbers = numbers;
    return "";
}

std::string read_budget(std::string_view value, WheelOptions& w) {
    const std::optional<uint32_t> b = whole_number(value, 100'000'000);
    if (!b || *b < 1) return quoted(value) + " is not a number of tickets 1..100000000";
    w.budget = *b;
    return "";
}

std::string read_keys(std::string_view value, WheelOptions& w, uint32_t highest) {
    std::vector<uint8_t> keys;
    if (std::string why = read_numbers(value, highest, keys); !why.empty()) return why;
    if (keys.empty() || keys.size() > 5)
        return std::to_string(keys.size()) + " key numbers given; 1 to 5";
    w.keys = keys;
    return "";
}

std::string read_guarantee(std::string_view value, WheelOptions& w) {
    Guarantee g;
    if (std::string why = parse_guarantee(value, g); !why.empty())
        return quoted(value) + ": " + why;
    w.guarantee = g;
    return "";
}

std::string read_reduce(std::string_view value, WheelOptions& w) {
    const std::optional<uint32_t> t = whole_number(value, 1000);
    if (!t || *t < 2 || *t > 6) return quoted(value) + " is not a number of matches 2..6";
    w.reduce = static_cast<int>(*t);
    return "";
}

std::string read_tickets_from(std::string_view value, WheelOptions& w) {
    if (value == "stored")
        w.from = TicketsFrom::Stored;
    else if (value == "any")
        w.from = TicketsFrom::Any;
    else
        return "expected stored or any";
    return "";
}

std::string read_effort(std::string_view value, WheelOptions& w) {
    const std::optional<uint32_t> e = whole_number(value, 1'000'000);
    if (!e || *e < 1) return quoted(value) + " is not a whole number 1..1000000";
    w.effort = *e;
    return "";
}

std::string read_time_limit(std::string_view value, WheelOptions& w) {
    // Digits with at most one decimal point, read without the locale.
    const std::size_t point = value.find('.');
    const std::string_view whole = value.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : value.substr(point + 1);
    const std::optional<uint32_t> w1 =
        whole.empty() ? std::optional<uint32_t>(0) : whole_number(whole, 10'000'000);
    const bool fraction_ok =
        fraction.size() <= 6 && fraction.find_first_not_of("0123456789") == std::string_view::npos;
    if (!w1 || !fraction_ok || (whole.empty() && fraction.empty()))
        return quoted(value) + " is not a number of seconds (up to 10000000, at most six decimals)";
    double seconds = *w1, scale = 0.1;
    for (char c : fraction) seconds += (c - '0') * scale, scale /= 10;
    if (seconds <= 0) return "the time limit must be more than 0 seconds";
    w.time_limit = seconds;
    return "";
}

namespace {

// What is wrong with --tickets, --keys, --filtered-tickets and --repair, or "".
std::string check_shape_options(const WheelOptions& w, uint32_t highest, bool filters_on) {
    const std::pair<bool, std::string_view> shapes[] = {{w.budget != 0, "--tickets"},
                                                        {!w.keys.empty(), "--keys"},
                                                        {w.filtered_tickets, "--filtered-tickets"},
                                                        {!w.repair_file.empty(), "--repair"}};
    for (const auto& [given, name] : shapes) {
        // A budget and a repair shape a reduction too.
        const bool reduces = name == "--tickets" || name == "--repair";
        if (given && !w.wheel() && (!reduces || w.reduce == 0))
            return std::string(name) + " needs --wheel LIST --guarantee T-if-M" +
                   (reduces ? ", or --reduce T" : "");
        if (given && !w.check_file.empty())
            return std::string(name) + " shapes a search; --check-wheel checks a file and searches "
                                       "none";
    }
    if (w.filtered_tickets && !filters_on)
        return "--filtered-tickets needs active filters (-f K=P ...) for the tickets to pass";
    if (!w.shaped() || !w.wheel()) return "";
    WheelRequest r;
    r.numbers = w.numbers;
    r.keys = w.keys;
    r.guarantee = *w.guarantee;
    r.highest = highest;
    if (std::string why = check_wheel_shape(r); !why.empty())
        return (w.keys.empty() ? "--wheel: " : "--keys: ") + why;
    return "";
}

} // namespace

std::string check_wheel_options(const WheelOptions& w, const OtherModes& others, uint32_t highest,
                                bool filters_on) {
    if (w.guarantee && !w.wheel()) return "--guarantee needs --wheel LIST";
    if (w.wheel() && !w.guarantee) return "--wheel needs --guarantee T-if-M, e.g. 3-if-4";
    if (w.wheel() && w.reduce != 0)
        return "--wheel and --reduce are separate runs: give one of them at a time";
    if (!w.check_file.empty() && !w.active())
        return "--check-wheel needs --wheel LIST --guarantee T-if-M, or --reduce T";
    if (w.from && w.reduce == 0) return "--tickets-from needs --reduce T";
    const std::pair<bool, std::string_view> search_only[] = {
        {w.effort.has_value(), "--effort"},
        {w.time_limit.has_value(), "--time-limit"},
        {!w.output_file.empty(), "--output"},
        {w.from.has_value(), "--tickets-from"}};
    for (const auto& [given, name] : search_only) {
        if (given && !w.active()) return std::string(name) + " needs --wheel or --reduce";
        if (given && !w.check_file.empty())
            return "--check-wheel checks the file's tickets and searches none; drop " +
                   std::string(name);
    }
    if (w.wheel()) {
        const std::string why = check_wheel_request(w.numbers, *w.guarantee, highest);
        if (!why.empty()) return "--wheel: " + why;
    }
    if (std::string why = check_shape_options(w, highest, filters_on); !why.empty()) return why;
    if (!w.active()) return "";
    const std::string_view mode = w.wheel() ? "--wheel" : "--reduce";
    const std::pair<bool, std::string_view> clashes[] = {{others.list, "--list"},
                                                         {others.backtest, "--backtest"},
                                                         {others.funnel, "--funnel"},
                                                         {others.explain, "--explain"},
                                                         {others.page, "--page"},
                                                         {others.stats, "--stats"},
                                                         {others.sample, "--sample"},
                                                         {others.export_text, "--export"},
                                                         {others.quiet, "--quiet"},
                                                         {others.check_tickets, "--check-tickets"},
                                                         {others.history_stats, "--history-stats"},
                                                         {others.odds, "--odds"}};
    for (const auto& [given, name] : clashes)
        if (given)
            return std::string(mode) + " prints its own tickets instead; drop " + std::string(name);
    return "";
}

} // namespace lotto::cli
