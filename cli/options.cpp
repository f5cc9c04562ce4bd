#include "cli/options.h"

#include "app/catalogue.h"
#include "engine/run.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace lotto::cli {

namespace {

enum class Opt {
    Filter,
    Param,
    Range,
    Array7,
    Array15,
    Page,
    Export,
    Stats,
    Quiet,
    List,
    Help,
    Version
};
enum class Takes { Nothing, Value, AttachedValue }; // AttachedValue: only as --name=VALUE

struct OptionInfo {
    std::string_view short_name;
    std::string_view long_name;
    Opt opt;
    Takes takes;
    std::string_view value_help; // what the value may be, for "needs a value" messages
};

constexpr std::array<OptionInfo, 12> OptionTable = {{
    {"-f", "--filter", Opt::Filter, Takes::Value, "K[=P][,K[=P]...] with K 1..64"},
    {"-p", "--param", Opt::Param, Takes::Value, "K=P[,K=P...] with K 1..64"},
    {"-r", "--range", Opt::Range, Takes::Value, "NAME=S-E with NAME one of A1..E2"},
    {"", "--array7", Opt::Array7, Takes::Value, "up to 7 comma-separated numbers 0..39"},
    {"", "--array15", Opt::Array15, Takes::Value, "up to 15 comma-separated numbers 0..39"},
    {"", "--page", Opt::Page, Takes::Value, "a page number, 1 or more"},
    {"", "--export", Opt::Export, Takes::AttachedValue, ""},
    {"", "--stats", Opt::Stats, Takes::Nothing, ""},
    {"-q", "--quiet", Opt::Quiet, Takes::Nothing, ""},
    {"", "--list", Opt::List, Takes::Nothing, ""},
    {"-h", "--help", Opt::Help, Takes::Nothing, ""},
    {"", "--version", Opt::Version, Takes::Nothing, ""},
}};

// Joins the pieces into one string.
template <class... Parts> std::string cat(const Parts&... parts) {
    std::string s;
    (s.append(std::string_view(parts)), ...);
    return s;
}

constexpr uint32_t LargestNumber = 2'147'483'647; // every value ends up in a signed 32-bit slot

// Reads a whole number of digits only into out; returns what is wrong with text, or "".
std::string read_number(std::string_view text, uint32_t& out) {
    if (text.empty()) return "a number is missing";
    for (char c : text)
        if (c < '0' || c > '9') return cat("'", text, "' is not a number (digits only)");
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    if (ec != std::errc{} || end != text.data() + text.size() || out > LargestNumber)
        return cat("'", text, "' is too large");
    return "";
}

// The comma-separated items of a value; an empty value is one empty item.
std::vector<std::string_view> split_list(std::string_view value) {
    std::vector<std::string_view> items;
    for (;;) {
        const std::size_t comma = value.find(',');
        items.push_back(value.substr(0, comma));
        if (comma == std::string_view::npos) return items;
        value.remove_prefix(comma + 1);
    }
}

std::string to_upper(std::string_view s) {
    std::string u(s);
    for (char& c : u)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return u;
}

class Parser {
  public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {
        init_defaults(result_.options.settings);
    }

    ParseResult parse() {
        while (i_ < args_.size() && result_.ok() && !stop_) step();
        return result_;
    }

  private:
    Options& o() { return result_.options; }
    Settings& s() { return result_.options.settings; }

    void fail(const std::string& message) {
        if (result_.ok()) result_.error = message;
    }
    void fail_value(std::string_view problem) { fail(cat(shown_, ": ", problem)); }

    void step() {
        const std::string& arg = args_[i_++];
        const OptionInfo* info = nullptr;
        std::string_view value;
        bool has_value = false;
        for (const OptionInfo& candidate : OptionTable) {
            const std::string_view a = arg;
            if (a == candidate.short_name || a == candidate.long_name) {
                info = &candidate;
            } else if (a.size() > candidate.long_name.size() + 1 &&
                       a.starts_with(candidate.long_name) && a[candidate.long_name.size()] == '=') {
                info = &candidate;
                value = a.substr(candidate.long_name.size() + 1);
                has_value = true;
            } else if (a == cat(candidate.long_name, "=")) {
                info = &candidate;
                has_value = true;
            } else if (!candidate.short_name.empty() && candidate.takes == Takes::Value &&
                       a.size() > 2 && a.starts_with(candidate.short_name)) {
                info = &candidate;
                value = a.substr(2);
                has_value = true;
            }
            if (info) break;
        }
        if (!info) {
            if (arg.starts_with("-"))
                fail(cat("unknown option '", arg, "' (see --help)"));
            else
                fail(cat("unexpected argument '", arg, "' (options start with -, see --help)"));
            return;
        }
        shown_ = arg;
        if (info->takes == Takes::Nothing && has_value) {
            fail(cat("option ", info->long_name, " takes no value"));
            return;
        }
        if (info->takes == Takes::Value && !has_value) {
            if (i_ == args_.size()) {
                fail(cat("option ", arg, " needs a value: ", info->value_help));
                return;
            }
            value = args_[i_++];
            shown_ = cat(arg, " ", value);
        }
        apply(info->opt, value);
    }

    void apply(Opt opt, std::string_view value) {
        switch (opt) {
        case Opt::Filter:
            for (std::string_view item : split_list(value)) filter_item(item, false);
            break;
        case Opt::Param:
            for (std::string_view item : split_list(value)) filter_item(item, true);
            break;
        case Opt::Range:
            for (std::string_view item : split_list(value)) range_item(item);
            break;
        case Opt::Array7: array(value, Array7Size, set_array7_entry); break;
        case Opt::Array15: array(value, Array15Size, set_array15_entry); break;
        case Opt::Page: page(value); break;
        case Opt::Export:
            o().export_text = true;
            o().export_dir = std::string(value);
            break;
        case Opt::Stats: o().stats = true; break;
        case Opt::Quiet: o().quiet = true; break;
        case Opt::List: o().list = true; break;
        case Opt::Help:
            o().help = true;
            stop_ = true;
            break;
        case Opt::Version:
            o().version = true;
            stop_ = true;
            break;
        }
    }

    // "K" or "K=P" for -f (switches K on), "K=P" for -p (parameter only).
    void filter_item(std::string_view item, bool parameter_only) {
        const std::size_t eq = item.find('=');
        if (parameter_only && eq == std::string_view::npos)
            return fail_value("expected K=P (filter K 1..64, its parameter P)");
        uint32_t k = 0;
        if (std::string why = read_number(item.substr(0, eq), k); !why.empty())
            return fail_value(why);
        if (k < 1 || k > static_cast<uint32_t>(FilterCount))
            return fail_value(cat("filter ", std::to_string(k), " is not one of 1..64"));
        const int filter = static_cast<int>(k);
        if (eq != std::string_view::npos) {
            if (!has_parameter(filter))
                return fail_value(cat("filter ", std::to_string(k), " has no parameter"));
            uint32_t p = 0;
            if (std::string why = read_number(item.substr(eq + 1), p); !why.empty())
                return fail_value(why);
            const auto highest = static_cast<uint32_t>(HighestOffered[filter]);
            if (p > highest)
                return fail_value(cat("parameter ", std::to_string(p), " of filter ",
                                      std::to_string(k), " is outside 0..",
                                      std::to_string(highest)));
            set_parameter(s(), filter, p);
        }
        if (!parameter_only) turn_filter_on(s(), filter);
    }

    // "NAME=S-E", through the range setter, whose refusals become errors.
    void range_item(std::string_view item) {
        const std::size_t eq = item.find('=');
        if (eq == std::string_view::npos) return fail_value("expected NAME=S-E, e.g. A1=1-9");
        const std::string name = to_upper(item.substr(0, eq));
        int r = 0;
        for (int candidate = 1; candidate <= RangeCount; ++candidate)
            if (range_name(candidate) == name) r = candidate;
        if (r == 0)
            return fail_value(cat("unknown range '", item.substr(0, eq),
                                  "' (one of A1 A2 B1 B2 C1 C2 D1 D2 E1 E2)"));
        const std::string_view bounds = item.substr(eq + 1);
        const std::size_t dash = bounds.find('-', 1); // a leading '-' is a sign, not the dash
        if (dash == std::string_view::npos) return fail_value("expected NAME=S-E, e.g. A1=1-9");
        uint32_t start = 0, end = 0;
        if (std::string why = read_number(bounds.substr(0, dash), start); !why.empty())
            return fail_value(why);
        if (std::string why = read_number(bounds.substr(dash + 1), end); !why.empty())
            return fail_value(why);
        const auto st = static_cast<int32_t>(start), en = static_cast<int32_t>(end);
        s().entered[r - 1] = {st, en};
        const std::string allowed = " (1 <= start <= end <= 64)";
        switch (set_range(s(), r, st, en)) {
        case RangeCode::Accepted: break;
        case RangeCode::StartAboveEnd:
            return fail_value(cat("start ", std::to_string(start), " is above end ",
                                  std::to_string(end), allowed));
        case RangeCode::StartBelowOne:
            return fail_value(cat("start ", std::to_string(start), " is below 1", allowed));
        case RangeCode::StartAbove64:
            return fail_value(cat("start ", std::to_string(start), " is above 64", allowed));
        case RangeCode::EndAbove64:
            return fail_value(cat("end ", std::to_string(end), " is above 64", allowed));
        }
    }

    void array(std::string_view value, int size, ArrayCode (*set)(Settings&, int, int32_t)) {
        const std::vector<std::string_view> items = split_list(value);
        if (items.size() > static_cast<std::size_t>(size))
            return fail_value(cat(std::to_string(items.size()), " positions given, at most ",
                                  std::to_string(size)));
        for (std::size_t i = 0; i < items.size(); ++i) {
            uint32_t n = 0;
            if (std::string why = read_number(items[i], n); !why.empty()) return fail_value(why);
            if (n > HighestNumber)
                return fail_value(cat("number ", std::to_string(n), " at position ",
                                      std::to_string(i + 1), " is outside 0..39 (0 = empty)"));
            [[maybe_unused]] const ArrayCode code =
                set(s(), static_cast<int>(i + 1), static_cast<int32_t>(n));
            assert(code == ArrayCode::Accepted);
        }
    }

    void page(std::string_view value) {
        uint32_t p = 0;
        if (std::string why = read_number(value, p); !why.empty()) return fail_value(why);
        if (p < 1) return fail_value("the page must be 1 or more");
        o().page = p;
    }

    const std::vector<std::string>& args_;
    std::size_t i_ = 0;
    bool stop_ = false;
    std::string shown_; // the argument being parsed, as typed, for messages
    ParseResult result_;
};

} // namespace

ParseResult parse_options(const std::vector<std::string>& args) { return Parser(args).parse(); }

} // namespace lotto::cli
