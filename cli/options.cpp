#include "cli/options.h"

#include "app/catalogue.h"
#include "cli/command_table.h"
#include "cli/nearest.h"
#include "cli/number_list.h"
#include "cli/printable.h"
#include "cli/settings_file.h"
#include "engine/run.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

namespace lotto::cli {

namespace {

// Everything the command line gives, gathered before the command is known (the flag form may
// name it last), checked together, then handed to the command's own options.
struct Given {
    Common common;
    std::array<bool, RangeCount> ranges_given{}; // set by -r: a later --game keeps them
    CountOptions count;
    std::optional<uint64_t> seed; // count's --sample, or a wheel's or reduction's search
    std::optional<Combination> explain;
    HistoryInput history; // history.read.highest follows the game
    DrawChoice draws;
    std::string chart;
    std::string check_tickets;
    std::optional<Combination> draw;
    WheelOptions wheel;
    std::string odds_file;
    bool list = false, backtest = false, funnel = false, history_stats = false;
    std::optional<Command> command; // the subcommand given; none = flag form
    bool help = false, version = false;
};

// Whether the file name ends in the extension of a picture format other than SVG.
bool picture_name(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string ext = name.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (const char* picture : {"png", "jpg", "jpeg", "gif", "bmp", "webp", "pdf", "tif", "tiff"})
        if (ext == picture) return true;
    return false;
}

// Joins the pieces into one string.
template <class... Parts> std::string cat(const Parts&... parts) {
    std::string s;
    (s.append(std::string_view(parts)), ...);
    return s;
}

// The user's text in quotes, escaped and shortened for a one-line message.
std::string quoted(std::string_view text) { return cat("'", printable(text), "'"); }

constexpr uint32_t LargestNumber = 2'147'483'647; // every value ends up in a signed 32-bit slot

// Reads a whole number of digits only into out, up to largest; returns what is wrong, or "".
template <class Number>
std::string read_number(std::string_view text, Number& out, Number largest = LargestNumber) {
    if (text.empty()) return "a number is missing";
    for (char c : text)
        if (c < '0' || c > '9') return cat(quoted(text), " is not a number (digits only)");
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    if (ec != std::errc{} || end != text.data() + text.size() || out > largest)
        return cat(quoted(text), " is too large");
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

// Walks a list of words (the command line, or one line of a settings file) and applies each
// option to the options record; the first problem is kept in error and stops the walk.
class Parser {
  public:
    Parser(const std::vector<std::string>& args, Given& options, std::string& error, bool in_file)
        : args_(args), options_(options), error_(error), in_file_(in_file) {}

    void parse() {
        while (i_ < args_.size() && error_.empty() && !stop_) step();
    }

    // A settings file's line: exactly one option.
    void parse_line() {
        step();
        if (error_.empty() && i_ < args_.size())
            fail(cat("one option per line, but ", quoted(args_[i_]), " follows"));
    }

  private:
    Given& o() { return options_; }
    Settings& s() { return options_.common.settings; }

    void fail(const std::string& message) {
        if (error_.empty()) error_ = message;
    }
    void fail_value(std::string_view problem) { fail(cat(shown_, ": ", problem)); }
    void checked(const std::string& problem) {
        if (!problem.empty()) fail_value(problem);
    }

    const OptionInfo* find(std::string_view a, std::string_view& value, bool& has_value) const {
        for (const OptionInfo& candidate : OptionTable) {
            const std::string_view name = candidate.long_name;
            if (a == name || (!candidate.short_name.empty() && a == candidate.short_name))
                return &candidate;
            if (a.size() > name.size() && a.starts_with(name) && a[name.size()] == '=') {
                value = a.substr(name.size() + 1);
                has_value = true;
                return &candidate;
            }
            if (!candidate.short_name.empty() && candidate.takes == Takes::Value && a.size() > 2 &&
                a.starts_with(candidate.short_name)) {
                value = a.substr(2);
                has_value = true;
                return &candidate;
            }
        }
        return nullptr;
    }

    void step() {
        const std::string& arg = args_[i_++];
        std::string_view value;
        bool has_value = false;
        const OptionInfo* info = find(arg, value, has_value);
        if (!info) {
            // The command's argument may also stand after its options (git's habit): its words
            // in one run, as they would stand right after the command.
            if (argument_ && !arg.starts_with("-") &&
                (argument_->empty() || (argument_list_ && last_was_argument_))) {
                if (!argument_->empty()) *argument_ += ' ';
                *argument_ += arg;
                last_was_argument_ = true;
                return;
            }
            const bool after_export = i_ >= 2 && args_[i_ - 2] == "--export";
            if (arg.starts_with("-"))
                fail(unknown_option(arg));
            else if (after_export)
                fail(cat("unexpected argument ", quoted(arg), " (a folder for the export goes ",
                         "with an equals sign: --export=", printable(arg), ")"));
            else if (!in_file_ && find_command(arg))
                fail(cat("unexpected argument ", quoted(arg),
                         " (a command goes first: ", "lotto739-cli ", arg, " [OPTION]...)"));
            else
                fail(cat("unexpected argument ", quoted(arg),
                         " (options start with -, see --help)"));
            return;
        }
        last_was_argument_ = false;
        if (in_file_ && !info->setting)
            return fail(cat(info->long_name, " is not a setting: a settings file holds only -f, "
                                             "-p, -r, --array7, --array15 and --game"));
        if (command_ && (info->commands & bit(command_->command)) == 0)
            return fail(cat(arg.starts_with("--") || info->short_name.empty() ? info->long_name
                                                                              : info->short_name,
                            " does not go with ", command_->name));
        shown_ = printable(arg);
        if (info->takes == Takes::Nothing && has_value)
            return fail(cat("option ", info->long_name, " takes no value"));
        if (info->takes == Takes::Value && !has_value) {
            if (i_ == args_.size())
                return fail(cat("option ", shown_, " needs a value: ", info->value_help));
            value = args_[i_++];
            shown_ = cat(shown_, " ", printable(value));
        }
        apply(info->opt, value);
    }

    // "unknown option 'X'", with the option of the command nearest to X.
    std::string unknown_option(const std::string& arg) const {
        std::vector<std::string_view> names;
        for (const OptionInfo& candidate : OptionTable)
            if (!command_ || (candidate.commands & bit(command_->command)) != 0)
                names.push_back(candidate.long_name);
        const std::string_view name = std::string_view(arg).substr(0, arg.find('='));
        if (const std::string_view near = nearest(name, names); !near.empty())
            return cat("unknown option ", quoted(arg), "; did you mean ", near, "?");
        return cat("unknown option ", quoted(arg), " (see --help)");
    }

  public:
    // The command of the subcommand form; its own options are the only ones taken.
    void set_command(const CommandInfo* command) { command_ = command; }

    // Takes the words that are no option or value into argument, as the command's argument; list
    // says it may be several words in a row.
    void take_argument(std::string& argument, bool list) {
        argument_ = &argument;
        argument_list_ = list;
    }

    // Applies the subcommand's argument as its flag would take it, shown as "COMMAND ARGUMENT".
    void apply_command_argument(std::string_view value) {
        shown_ = cat(command_->name, " ", printable(value));
        apply(*command_->flag, value);
    }

  private:
    void apply(Opt opt, std::string_view value) {
        switch (opt) {
        case Opt::Game: game(value); break;
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
        case Opt::Settings: settings_file(std::string(value)); break;
        case Opt::SaveSettings: o().common.save_settings = file_name(value); break;
        case Opt::Page: o().count.page = at_least_one(value, "the page must be 1 or more"); break;
        case Opt::Export:
            o().count.export_text = true;
            o().count.export_dir = std::string(value);
            break;
        case Opt::Stats: o().count.stats = true; break;
        case Opt::Sample:
            o().count.sample = at_least_one(value, "the number of tickets must be 1 or more");
            break;
        case Opt::Seed: seed(value); break;
        case Opt::Format: format(value); break;
        case Opt::History: o().history.file = file_name(value); break;
        case Opt::HistoryColumns: history_columns(value); break;
        case Opt::SkipBadLines: o().history.read.skip_bad_lines = true; break;
        case Opt::Backtest: o().backtest = true; break;
        case Opt::Funnel: o().funnel = true; break;
        case Opt::Explain: o().explain = seven_numbers(value); break;
        case Opt::CheckTickets: o().check_tickets = file_name(value); break;
        case Opt::Draw: o().draw = seven_numbers(value); break;
        case Opt::BonusColumn:
            o().history.read.bonus_column =
                static_cast<int>(at_least_one(value, "fields count from 1"));
            break;
        case Opt::HistoryStats: o().history_stats = true; break;
        case Opt::Last:
            o().draws.last = at_least_one(value, "the number of draws must be 1 or more");
            break;
        case Opt::Since:
            o().draws.since = parse_draw_date(value);
            if (!o().draws.since) fail_value("not a date (e.g. 2024-01-31)");
            break;
        case Opt::Chart: o().chart = file_name(value); break;
        case Opt::NewestFirst: o().draws.newest_first = true; break;
        case Opt::Quiet: o().count.quiet = true; break;
        case Opt::Threads:
            o().common.threads = at_least_one(value, "the number of threads must be 1 or more");
            break;
        case Opt::List: o().list = true; break;
        case Opt::Help:
            o().help = true;
            stop_ = true;
            break;
        case Opt::Version:
            o().version = true;
            stop_ = true;
            break;
        case Opt::Wheel:
            checked(game_hint(read_wheel_list(value, o().wheel, o().common.highest), value));
            break;
        case Opt::Guarantee: checked(read_guarantee(value, o().wheel)); break;
        case Opt::Reduce: checked(read_reduce(value, o().wheel)); break;
        case Opt::TicketsFrom: checked(read_tickets_from(value, o().wheel)); break;
        case Opt::Effort: checked(read_effort(value, o().wheel)); break;
        case Opt::TimeLimit: checked(read_time_limit(value, o().wheel)); break;
        case Opt::CheckWheel: o().wheel.check_file = file_name(value); break;
        case Opt::Output: o().wheel.output_file = file_name(value); break;
        case Opt::Budget: checked(read_budget(value, o().wheel)); break;
        case Opt::Keys: checked(read_keys(value, o().wheel, o().common.highest)); break;
        case Opt::FilteredTickets: o().wheel.filtered_tickets = true; break;
        case Opt::Repair: o().wheel.repair_file = file_name(value); break;
        case Opt::Odds: o().odds_file = file_name(value); break;
        case Opt::Port:
        case Opt::Bind:
        case Opt::NoOpen: // the server's: lotto739-cli serve reads them itself
            fail(cat(shown_.substr(0, shown_.find(' ')), " goes with serve only: lotto739-cli ",
                     "serve [--port P] [--bind ADDR] [--no-open]"));
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
            const auto highest = static_cast<uint32_t>(highest_offered(filter, o().common.highest));
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
            return fail_value(cat("unknown range ", quoted(item.substr(0, eq)),
                                  " (one of A1 A2 B1 B2 C1 C2 D1 D2 E1 E2)"));
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
        const int32_t limit = highest_range_bound(o().common.highest);
        const std::string allowed = cat(" (1 <= start <= end <= ", std::to_string(limit), ")");
        if (st >= 1 && st <= en && en > limit) // within what the setter takes, beyond the game
            return fail_value(cat(st > limit ? "start " : "end ",
                                  std::to_string(st > limit ? start : end), " is above ",
                                  std::to_string(limit), allowed));
        switch (set_range(s(), r, st, en)) {
        case RangeCode::Accepted: o().ranges_given[r - 1] = true; break;
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

    // The numbers of an array for positions 1.. in order: numbers, 0 for an empty position, and
    // ranges A-B (1 <= A <= B) for the numbers A to B, between commas, semicolons or blanks.
    void array(std::string_view value, int size, ArrayCode (*set)(Settings&, int, int32_t)) {
        std::vector<uint32_t> numbers;
        uint64_t positions = 0;
        for (std::string_view item : number_list_items(value)) {
            const std::size_t dash = item.find('-');
            uint32_t first = 0, last = 0;
            if (dash == std::string_view::npos) {
                if (std::string why = read_number(item, first); !why.empty())
                    return fail_value(why);
                last = first;
            } else if (!read_number(item.substr(0, dash), first).empty() ||
                       !read_number(item.substr(dash + 1), last).empty() || first == 0 ||
                       first > last) {
                return fail_value(cat(quoted(item), " is not a range A-B with 1 <= A <= B"));
            }
            positions += uint64_t{last} - first + 1;
            for (uint32_t n = first; n <= last && positions <= uint64_t(size); ++n)
                numbers.push_back(n);
        }
        if (positions > static_cast<uint64_t>(size))
            return fail_value(
                cat(std::to_string(positions), " positions given, at most ", std::to_string(size)));
        for (std::size_t i = 0; i < numbers.size(); ++i)
            if (numbers[i] > o().common.highest)
                return fail_value(cat("number ", std::to_string(numbers[i]), " at position ",
                                      std::to_string(i + 1), " is outside 0..",
                                      std::to_string(o().common.highest), " (0 = empty)"));
        // The list replaces the whole array: the positions it leaves out are empty.
        numbers.resize(static_cast<std::size_t>(size), 0);
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            [[maybe_unused]] const ArrayCode code =
                set(s(), static_cast<int>(i + 1), static_cast<int32_t>(numbers[i]));
            assert(code == ArrayCode::Accepted);
        }
    }

    // A list of numbers written with spaces on a settings file's line ("--array7 1 2 3") is the
    // option's one value, as on the command line within quotes.
    static void join_number_list(std::vector<std::string>& words) {
        const std::string_view first = words[0];
        const std::string_view name = first.substr(0, first.find('='));
        const bool list = name == "--array7" || name == "--array15";
        const std::size_t value = name.size() < first.size() ? 0 : 1; // the word the value opens
        if (!list || words.size() <= value + 1) return;
        for (std::size_t i = value + 1; i < words.size(); ++i) words[value] += " " + words[i];
        words.resize(value + 1);
    }

    // The file's options, line by line, where --settings stands; problems name file and line.
    void settings_file(const std::string& path) {
        std::string text;
        if (std::string why = read_settings_file(path, text); !why.empty()) return fail(why);
        std::size_t line_number = 0;
        for (std::size_t at = 0; at <= text.size() && error_.empty(); ++line_number) {
            const std::size_t nl = std::min(text.find('\n', at), text.size());
            std::vector<std::string> words = line_words(std::string_view(text).substr(at, nl - at));
            at = nl + 1;
            if (words.empty()) continue;
            join_number_list(words);
            std::string why;
            Parser(words, options_, why, true).parse_line();
            if (!why.empty())
                fail(cat(printable(path), ":", std::to_string(line_number + 1), ": ", why));
        }
    }

    std::string file_name(std::string_view value) {
        if (value.empty()) fail_value("a file name is missing");
        return std::string(value);
    }

    // A number above the game's top, before any --game: why, and the game that would hold the
    // largest number of value (at most LargestGame).
    std::string game_hint(std::string why, std::string_view value) const {
        if (why.find(" is outside 1..") == std::string::npos || options_.history.read.game_named)
            return why;
        return why + history_game_hint(value, options_.common.highest);
    }

    uint32_t at_least_one(std::string_view value, std::string_view below_one) {
        uint32_t n = 0;
        if (std::string why = read_number(value, n); !why.empty())
            fail_value(why);
        else if (n < 1)
            fail_value(below_one);
        return n;
    }

    void seed(std::string_view value) {
        uint64_t seed = 0;
        if (std::string why = read_number(value, seed, UINT64_MAX); !why.empty())
            return fail_value(why);
        o().seed = seed;
    }

    void format(std::string_view value) {
        constexpr std::array<std::pair<std::string_view, Format>, 3> Names = {
            {{"text", Format::Text}, {"csv", Format::Csv}, {"json", Format::Json}}};
        for (const auto& [name, f] : Names)
            if (value == name) {
                o().common.format = f;
                return;
            }
        fail_value("expected text, csv or json");
    }

    // "7/N", N in 8..64. The game's offered values come with it, and its default ranges replace
    // the ranges no -r has set; a value already set that the game cannot hold
    // is an error naming it. Spaces may stand around the numbers and the slash ("7 / 39"); "7-39"
    // is refused with the game it likely means.
    void game(std::string_view value) {
        const auto trimmed = [](std::string_view s) {
            const std::size_t first = s.find_first_not_of(" \t"), last = s.find_last_not_of(" \t");
            return first == std::string_view::npos ? s.substr(0, 0)
                                                   : s.substr(first, last - first + 1);
        };
        const auto digits = [](std::string_view s) {
            return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
        };
        const std::string_view expected =
            "expected 7/N, the pick-7 game of the numbers 1..N, e.g. 7/37";
        value = trimmed(value);
        const std::size_t slash = value.find('/');
        if (slash == std::string_view::npos) {
            // 7, one other separator (or spaces) and a game's N: "7-39", "7 - 39", "7:39", "7 39".
            const std::string_view rest = value.starts_with('7') ? value.substr(1) : "";
            std::string_view after = trimmed(rest);
            if (!after.empty() && !digits(after.substr(0, 1)))
                after = trimmed(after.substr(1));
            else if (after.size() == rest.size()) // no separator: "739"
                after = "";
            uint32_t n = 0;
            if (digits(after) && read_number(after, n).empty() && is_game(n))
                return fail_value(cat(expected, "; did you mean 7/", std::to_string(n), "?"));
            return fail_value(expected);
        }
        const std::string_view pick_text = trimmed(value.substr(0, slash)),
                               n_text = trimmed(value.substr(slash + 1));
        if (!digits(pick_text) || !digits(n_text)) return fail_value(expected);
        // A number too large to read is shown as written.
        uint32_t pick = 0, n = 0;
        const bool pick_read = read_number(pick_text, pick).empty(),
                   n_read = read_number(n_text, n).empty();
        if (!pick_read || pick != 7)
            return fail_value(cat("only pick-7 games are supported, not pick-",
                                  pick_read ? std::to_string(pick) : std::string(pick_text)));
        if (!n_read || !is_game(n))
            return fail_value(cat("N = ", n_read ? std::to_string(n) : std::string(n_text),
                                  " is outside ", std::to_string(SmallestGame), "..",
                                  std::to_string(LargestGame)));
        if (std::string why = beyond_game(n); !why.empty()) return fail_value(why);
        const std::array<Range, RangeCount> previous = default_ranges(o().common.highest);
        const std::array<Range, RangeCount> defaults = default_ranges(n);
        o().common.highest = s().highest = n;
        o().history.read.highest = n;
        o().history.read.game_named = true;
        for (int k = 1; k <= FilterCount; ++k) s().highest_offered[k] = highest_offered(k, n);
        for (int r = 1; r <= RangeCount; ++r)
            if (!o().ranges_given[r - 1] && s().effective[r - 1] == previous[r - 1]) {
                s().entered[r - 1] = defaults[r - 1];
                set_range(s(), r, defaults[r - 1].start, defaults[r - 1].end);
            }
    }

    // The first value set so far that the game 7/n cannot hold, as "what V is above L (game 7/n)";
    // "" when every value fits. Ranges no -r has set move with the game.
    std::string beyond_game(uint32_t n) {
        const std::string game = cat(" (game 7/", std::to_string(n), ")");
        const auto above = [&](std::string what, int64_t value, int64_t limit) {
            return cat(what, " ", std::to_string(value), " is above ", std::to_string(limit), game);
        };
        for (int k = 1; k <= FilterCount; ++k)
            if (s().params[k - 1] > static_cast<uint32_t>(highest_offered(k, n)))
                return above(cat("filter ", std::to_string(k), "'s parameter"), s().params[k - 1],
                             highest_offered(k, n));
        const std::array<Range, RangeCount> defaults = default_ranges(o().common.highest);
        for (int r = 1; r <= RangeCount; ++r) {
            const Range e = s().effective[r - 1];
            const bool moves = !o().ranges_given[r - 1] && e == defaults[r - 1];
            if (!moves && e.end > highest_range_bound(n))
                return above(cat("range ", range_name(r), "'s end"), e.end, highest_range_bound(n));
        }
        const auto in_array = [&](std::string_view name, const auto& numbers) -> std::string {
            for (const int32_t number : numbers)
                if (number > static_cast<int32_t>(n)) return above(cat(name, " number"), number, n);
            return "";
        };
        if (std::string why = in_array("--array7", s().array7); !why.empty()) return why;
        if (std::string why = in_array("--array15", s().array15); !why.empty()) return why;
        if (o().explain && (*o().explain)[6] > n)
            return above("--explain number", (*o().explain)[6], n);
        return "";
    }

    // "A-B" (seven fields, B = A + 6) or "A" (one field holding all seven), counting from 1.
    void history_columns(std::string_view value) {
        const std::size_t dash = value.find('-');
        uint32_t first = 0, last = 0;
        if (std::string why = read_number(value.substr(0, dash), first); !why.empty())
            return fail_value(why);
        last = first;
        if (dash != std::string_view::npos)
            if (std::string why = read_number(value.substr(dash + 1), last); !why.empty())
                return fail_value(why);
        if (first < 1) return fail_value("fields count from 1");
        if (last != first && last != first + 6)
            return fail_value(
                "seven numbers need seven fields (A-B with B = A+6) or one field (A)");
        o().history.read.first_column = static_cast<int>(first);
        o().history.read.last_column = static_cast<int>(last);
    }

    // Seven distinct numbers 1..N in any order, sorted; none after a failure.
    std::optional<Combination> seven_numbers(std::string_view value) {
        // Without commas, dashes may stand between the numbers too: "05-08-09-17-29-32-37",
        // "5 - 8 - 9 - 17 - 29 - 32 - 37".
        std::string spaced;
        if (value.find(',') == std::string_view::npos) {
            for (char c : value) {
                const bool between = c == ' ' || (c == '-' && !spaced.empty()); // "-5" stays
                if (!between)
                    spaced += c;
                else if (!spaced.empty() && spaced.back() != ',')
                    spaced += ',';
            }
            if (!spaced.empty() && spaced.back() == ',') spaced.pop_back();
            value = spaced;
        }
        const std::vector<std::string> items = number_list_items(value);
        if (items.size() != 7)
            return fail_value(
                       cat("seven numbers expected, ", std::to_string(items.size()), " given")),
                   std::nullopt;
        Combination c{};
        Mask seen = 0;
        for (std::size_t i = 0; i < items.size(); ++i) {
            uint32_t n = 0;
            if (std::string why = read_number(items[i], n); !why.empty())
                return fail_value(why), std::nullopt;
            if (n < 1 || n > o().common.highest)
                return fail_value(game_hint(cat("number ", std::to_string(n), " is outside 1..",
                                                std::to_string(o().common.highest)),
                                            value)),
                       std::nullopt;
            if (seen & NumberBit[n])
                return fail_value(cat("number ", std::to_string(n), " is given twice")),
                       std::nullopt;
            seen |= NumberBit[n];
            c[i] = static_cast<uint8_t>(n);
        }
        std::sort(c.begin(), c.end());
        return c;
    }

    const std::vector<std::string>& args_;
    Given& options_;
    std::string& error_;
    const bool in_file_;
    std::size_t i_ = 0;
    bool stop_ = false;
    const CommandInfo* command_ = nullptr;
    std::string* argument_ = nullptr; // where a command's argument after its options goes
    bool argument_list_ = false, last_was_argument_ = false;
    std::string shown_; // the argument being parsed, as typed (made printable), for messages
};

// The history and the options that go with it, and the after-draw modes' own options; "" when
// they fit together.
std::string check_after_draw(const Given& o) {
    const bool reads_history = o.backtest || o.history_stats || !o.check_tickets.empty();
    if (!o.history.file.empty() && !reads_history)
        return "--history is read by --backtest, --history-stats and --check-tickets only";
    if (o.backtest && o.history.file.empty()) return "--backtest needs --history FILE";
    if (o.history_stats && o.history.file.empty()) return "--history-stats needs --history FILE";
    if (!o.check_tickets.empty() && o.history.file.empty() && !o.draw)
        return "--check-tickets needs either --history FILE or --draw N1,...,N7";
    if (!o.check_tickets.empty() && !o.history.file.empty() && o.draw)
        return "--check-tickets takes either --history FILE or --draw N1,...,N7, not both";
    if (o.draw && o.check_tickets.empty()) return "--draw is read by --check-tickets only";
    if (o.history.file.empty() &&
        (o.history.read.first_column != 0 || o.history.read.skip_bad_lines ||
         o.history.read.bonus_column != 0 || o.draws.newest_first || o.draws.last != 0))
        return "--history-columns, --skip-bad-lines, --bonus-column, --newest-first and --last "
               "need --history FILE";
    if (o.history.file.empty() && o.draws.since) return "--since needs --history FILE";
    if (o.draws.newest_first && o.backtest)
        return "--newest-first orders the draws of --history-stats and --check-tickets; the "
               "back-test lists them as the file does";
    if (o.draws.since && o.backtest)
        return "--since is for --history-stats and --check-tickets; the back-test takes every "
               "draw";
    if (o.draws.last != 0 && o.backtest)
        return "--last is for --history-stats and --check-tickets; the back-test takes every "
               "draw";
    if (!o.chart.empty() && !o.history_stats && !o.backtest && !o.funnel)
        return "--chart draws the chart of --history-stats, --backtest or --funnel: give one "
               "of them";
    if (picture_name(o.chart))
        return "--chart " + o.chart + ": the chart is an SVG drawing; give the file a .svg name";
    return "";
}

// Outputs that cannot go together; "" when the combination is clear.
std::string check_combination(const Given& o) {
    const std::pair<bool, std::string_view> modes[] = {
        {o.list, "--list"},
        {o.backtest, "--backtest"},
        {o.funnel, "--funnel"},
        {o.explain.has_value(), "--explain"},
        {!o.check_tickets.empty(), "--check-tickets"},
        {o.history_stats, "--history-stats"},
        {!o.odds_file.empty(), "--odds"}};
    const std::pair<bool, std::string_view> run_outputs[] = {{o.count.page != 0, "--page"},
                                                             {o.count.stats, "--stats"},
                                                             {o.count.sample != 0, "--sample"},
                                                             {o.count.export_text, "--export"},
                                                             {o.count.quiet, "--quiet"}};
    std::string_view mode;
    for (const auto& [given, name] : modes) {
        if (!given) continue;
        if (!mode.empty())
            return cat(mode, " and ", name, " are separate runs: give one of them at a time");
        mode = name;
    }
    if (!mode.empty())
        for (const auto& [given, name] : run_outputs)
            if (given)
                return cat(mode, " prints its own output instead of the count run; drop ", name);
    if (std::string why = check_after_draw(o); !why.empty()) return why;
    // Settings lines ahead of a table, a document or the export text would spoil it for the
    // program that reads it.
    if (o.common.save_settings == "-" &&
        (o.common.format != Format::Text || o.count.export_to_stdout()))
        return cat("--save-settings - would print the settings ahead of ",
                   o.count.export_to_stdout()       ? "the export text"
                   : o.common.format == Format::Csv ? "the CSV table"
                                                    : "the JSON document",
                   " on stdout; write them to a file instead: --save-settings FILE");
    if (o.seed && o.count.sample == 0 && !o.wheel.active()) return "--seed needs --sample N";
    if (o.seed && !o.wheel.check_file.empty())
        return "--check-wheel checks the file's tickets and searches none; drop --seed";
    const std::pair<bool, std::string_view> tables[] = {{o.count.page != 0, "--page"},
                                                        {o.count.stats, "--stats"},
                                                        {o.count.sample != 0, "--sample"}};
    std::string_view table;
    for (const auto& [given, name] : tables) {
        if (!given) continue;
        if (o.count.export_to_stdout())
            return cat("--export=- fills stdout with the export text; it cannot carry ", name,
                       " too");
        if (o.common.format == Format::Csv && !table.empty())
            return cat("--format csv prints one table: give ", table, " or ", name, ", not both");
        table = name;
    }
    return "";
}

} // namespace

namespace {

std::vector<std::string_view> command_names() {
    std::vector<std::string_view> names;
    for (const CommandInfo& c : CommandTable) names.push_back(c.name);
    return names;
}

// Whether a word names the help: -h or --help.
bool asks_help(std::string_view word) { return word == "-h" || word == "--help"; }

// The subcommand form: COMMAND [ARGUMENT] [OPTION]... (the argument may also follow the options),
// or help [COMMAND]. The argument is one word,
// or for a list (explain, wheel) the words up to the first option.
void parse_command(const CommandInfo& command, const std::vector<std::string>& args, Given& o,
                   std::string& error) {
    o.command = command.command;
    std::size_t first_option = 1;
    std::string argument;
    const bool help = std::any_of(args.begin() + 1, args.end(),
                                  [](const std::string& a) { return asks_help(a); });
    if (!command.argument.empty()) {
        const bool list = command.argument == "N1,...,N7" || command.argument == "LIST";
        while (first_option < args.size() && !args[first_option].starts_with("-") &&
               (first_option == 1 || list)) {
            if (first_option > 1) argument += ' ';
            argument += args[first_option++];
        }
    }
    const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(first_option),
                                        args.end());
    Parser parser(rest, o, error, false);
    parser.set_command(&command);
    const bool list = command.argument == "N1,...,N7" || command.argument == "LIST";
    if (!command.argument.empty() && argument.empty()) parser.take_argument(argument, list);
    parser.parse();
    if (error.empty() && !command.argument.empty() && argument.empty() && !help) {
        const OptionInfo* flag = nullptr;
        for (const OptionInfo& info : OptionTable)
            if (info.opt == *command.flag) flag = &info;
        error = cat(command.name, " needs ", command.argument, ": ", flag->value_help);
        return;
    }
    if (error.empty() && !o.help && command.flag) parser.apply_command_argument(argument);
}

// The command a command line runs, subcommand or flag form.
Command command_of(const Given& o) {
    if (o.command) return *o.command;
    if (o.wheel.active())
        return !o.wheel.check_file.empty() ? Command::CheckWheel
               : o.wheel.wheel()           ? Command::Wheel
                                           : Command::Reduce;
    if (o.list) return Command::List;
    if (o.explain) return Command::Explain;
    if (o.funnel) return Command::Funnel;
    if (o.backtest) return Command::Backtest;
    if (!o.check_tickets.empty()) return Command::CheckTickets;
    if (o.history_stats) return Command::HistoryStats;
    if (!o.odds_file.empty()) return Command::Odds;
    return Command::Count;
}

// The command's own options out of what the command line gave.
CommandOptions options_of(Command c, Given& o) {
    switch (c) {
    case Command::Count: o.count.seed = o.seed; return std::move(o.count);
    case Command::List: return ListOptions{};
    case Command::Funnel: return FunnelOptions{std::move(o.chart)};
    case Command::Explain: return ExplainOptions{*o.explain};
    case Command::Backtest: return BacktestOptions{std::move(o.history), std::move(o.chart)};
    case Command::HistoryStats:
        return HistoryStatsOptions{std::move(o.history), o.draws, std::move(o.chart)};
    case Command::CheckTickets:
        return CheckTicketsOptions{std::move(o.check_tickets), o.draw, std::move(o.history),
                                   o.draws};
    case Command::Wheel:
    case Command::Reduce:
    case Command::CheckWheel: o.wheel.seed = o.seed; return std::move(o.wheel);
    case Command::Odds: return OddsOptions{std::move(o.odds_file)};
    case Command::Serve: break; // refused before the parse
    }
    assert(false);
    return CountOptions{};
}

} // namespace

ParseResult parse_options(const std::vector<std::string>& args) {
    ParseResult r;
    Given o;
    init_defaults(o.common.settings);
    const std::string_view first = args.empty() ? "" : std::string_view(args[0]);
    if (first == "help") {
        r.help = true;
        if (args.size() > 1) {
            if (const CommandInfo* c = find_command(args[1]))
                r.help_command = c->command;
            else if (const std::string_view near = nearest(args[1], command_names()); !near.empty())
                r.error = cat("unknown command ", quoted(args[1]), "; did you mean ", near, "?");
            else
                r.error = cat("unknown command ", quoted(args[1]), " (see --help)");
        }
        return r;
    }
    if (const CommandInfo* c = find_command(first); c && c->command == Command::Serve) {
        // The program starts the server before any parse; here only its help is shown.
        r.help = std::any_of(args.begin(), args.end(), asks_help);
        if (r.help)
            r.help_command = Command::Serve;
        else
            r.error = "serve starts the page's server from the command line; it does not run "
                      "within a run";
        return r;
    } else if (c) {
        parse_command(*c, args, o, r.error);
    } else if (const std::string_view near =
                   first.starts_with("-") ? "" : nearest(first, command_names());
               !near.empty()) {
        r.error = cat("unknown command ", quoted(first), "; did you mean ", near, "?");
        return r;
    } else {
        Parser(args, o, r.error, false).parse();
    }
    r.help = o.help;
    r.version = o.version;
    if (o.help) r.help_command = o.command;
    if (!r.ok() || o.help || o.version) return r;
    r.error =
        check_wheel_options(o.wheel,
                            {o.list, o.backtest, o.funnel, o.explain.has_value(), o.count.page != 0,
                             o.count.stats, o.count.sample != 0, o.count.export_text, o.count.quiet,
                             !o.check_tickets.empty(), o.history_stats, !o.odds_file.empty()},
                            o.common.highest, o.common.settings.active != 0);
    if (r.error.empty()) r.error = check_combination(o);
    if (!r.ok()) return r;
    r.run.command = command_of(o);
    r.run.common = std::move(o.common);
    r.run.options = options_of(r.run.command, o);
    return r;
}

const CommandInfo* find_command(std::string_view name) {
    for (const CommandInfo& c : CommandTable)
        if (c.name == name) return &c;
    return nullptr;
}

} // namespace lotto::cli
