#include "analysis/history_header.h"

#include "analysis/line_tokens.h"

#include <algorithm>
#include <array>
#include <vector>

namespace lotto::history {

std::string key_of(std::string_view name) {
    std::string key;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        // Full-width digits ("１" EF BC 91), as Japanese headers write them, as ASCII ones.
        if (c == '\xef' && i + 2 < name.size() && name[i + 1] == '\xbc' &&
            static_cast<unsigned char>(name[i + 2]) >= 0x90 &&
            static_cast<unsigned char>(name[i + 2]) <= 0x99) {
            key += static_cast<char>('0' + (static_cast<unsigned char>(name[i + 2]) - 0x90));
            i += 2;
            continue;
        }
        // The capitals of UTF-8's Latin-1 letters ("Ä" C3 84) as small ones ("ä" C3 A4), the
        // multiplication sign (C3 97) aside.
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9e && byte != 0x97 && key.ends_with('\xc3'))
            key += static_cast<char>(byte + 0x20);
        else if (c >= 'A' && c <= 'Z')
            key += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 static_cast<unsigned char>(c) >= 0x80)
            key += c;
    }
    return key;
}

namespace {

constexpr std::string_view Digits = "0123456789";

// Names of the field holding all seven numbers, as key_of gives them.
constexpr std::array<std::string_view, 22> AllNumbersNames{
    "numbers",           "winningnumbers", "drawnnumbers",
    "numbersdrawn",      "mainnumbers",    "balls",
    "winningballs",      "drawnballs",     "result",
    "results",           "combination",    "zahlen",
    "gewinnzahlen",      "lottozahlen",    "gezogenezahlen",
    "ziehung",           "ziehungszahlen", "winningcombination",
    "vinnarnummer",      "vinstnummer",    "dragnanummer",
    "\u672c\u6570\u5b57"}; // 本数字, Japan's "main numbers"

// A bonus number's field is named by one of these words, alone or with one of the endings.
constexpr std::array<std::string_view, 12> BonusWords{
    "bonus", "extra", "supplementary", "supp", "additional", "special", "zusatzzahl", "superzahl",
    "till\xc3\xa4gg", "till\xc3\xa4ggsnummer", "lis\xc3\xa4numero",
    // ボーナス数字, Japan's "bonus numbers"
    "\u30dc\u30fc\u30ca\u30b9\u6570\u5b57"};
constexpr std::array<std::string_view, 6> BonusEndings{"", "ball", "number", "num", "no", "nr"};

// The names of the fields of a date's year, month and day, as key_of gives them.
constexpr std::array<std::array<std::string_view, 2>, 3> DatePartNames{
    {{"year", "jahr"}, {"month", "monat"}, {"day", "tag"}}};

// Which part of a date the name names: 0 year, 1 month, 2 day; -1 none.
int date_part(const std::string& key) {
    for (std::size_t part = 0; part < DatePartNames.size(); ++part)
        for (std::string_view name : DatePartNames[part])
            if (key == name) return static_cast<int>(part);
    return -1;
}

bool names_all_numbers(const std::string& key) {
    for (std::string_view name : AllNumbersNames)
        if (key == name) return true;
    return false;
}

bool names_bonus(const std::string& key) {
    for (std::string_view word : BonusWords)
        for (std::string_view ending : BonusEndings)
            if (key.size() == word.size() + ending.size() && key.starts_with(word) &&
                key.ends_with(ending))
                return true;
    return false;
}

// A name that carries a number: the number (NotWhole when the name carries two), and the letters
// around it, the ordinal ending that fits the number ("1st", "2nd", "3rd", "4th") left out.
struct Numbered {
    int number = NotWhole;
    std::string around;
};

std::optional<Numbered> numbered(const std::string& key) {
    const std::size_t first = key.find_first_of(Digits);
    if (first == std::string::npos) return std::nullopt;
    const std::size_t end = std::min(key.find_first_not_of(Digits, first), key.size());
    std::string_view rest = std::string_view(key).substr(end);
    Numbered n;
    if (rest.find_first_of(Digits) == std::string_view::npos)
        n.number = whole_number(std::string_view(key).substr(first, end - first));
    const std::string_view ordinal = n.number == 1   ? "st"
                                     : n.number == 2 ? "nd"
                                     : n.number == 3 ? "rd"
                                                     : "th";
    if (rest.starts_with(ordinal)) rest.remove_prefix(ordinal.size());
    n.around = key.substr(0, first) + "#" + std::string(rest);
    return n;
}

} // namespace

bool names_bonus_field(std::string_view name) { return names_bonus(key_of(name)); }

std::optional<NamedColumns> named_columns(std::string_view line) {
    std::vector<std::string_view> names;
    Fields fields(line);
    for (std::string_view field; fields.next(field);) names.push_back(field);
    std::vector<int> with_number, for_all, for_bonus; // 0-based fields
    std::array<std::vector<int>, 3> for_date;         // the year's, month's and day's
    std::vector<Numbered> numbers;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string key = key_of(names[i]);
        const int field = static_cast<int>(i);
        if (const std::optional<Numbered> n = numbered(key))
            with_number.push_back(field), numbers.push_back(*n);
        else if (names_all_numbers(key))
            for_all.push_back(field);
        else if (names_bonus(key))
            for_bonus.push_back(field);
        else if (const int part = date_part(key); part >= 0)
            for_date[static_cast<std::size_t>(part)].push_back(field + 1);
    }
    if (for_bonus.size() > 1) return std::nullopt;
    NamedColumns c;
    if (!with_number.empty()) {
        // Seven consecutive fields named alike and numbered 1..7, each once, in any order (Lotto
        // Max's files put No4 before No3); other numbered fields ("Prize 1", "Winners 6+1") may
        // stand beside them, but not a second such run.
        int runs = 0;
        std::size_t one = 0, seven = 0; // the fields of the run numbered 1 and 7
        for (std::size_t j = 0; j + 7 <= with_number.size(); ++j) {
            bool run = true;
            unsigned seen = 0;
            for (std::size_t i = 0; i < 7 && run; ++i) {
                const int n = numbers[j + i].number;
                run = with_number[j + i] == with_number[j] + static_cast<int>(i) && n >= 1 &&
                      n <= 7 && (seen >> n & 1) == 0 && numbers[j + i].around == numbers[j].around;
                if (run) seen |= 1u << n;
            }
            if (!run) continue;
            ++runs, c.first = with_number[j] + 1;
            for (std::size_t i = 0; i < 7; ++i) {
                const auto field = static_cast<std::size_t>(with_number[j + i]);
                if (numbers[j + i].number == 1) one = field;
                if (numbers[j + i].number == 7) seven = field;
            }
        }
        if (runs != 1) return std::nullopt;
        c.last = c.first + 6;
        c.first_name = names[one], c.last_name = names[seven];
    } else {
        if (for_all.size() != 1) return std::nullopt;
        c.first = c.last = for_all[0] + 1;
        c.first_name = c.last_name = names[static_cast<std::size_t>(for_all[0])];
    }
    if (!for_bonus.empty())
        c.bonus = for_bonus[0] + 1, c.bonus_name = names[static_cast<std::size_t>(for_bonus[0])];
    if (std::all_of(for_date.begin(), for_date.end(), [](const auto& f) { return f.size() == 1; }))
        c.year = for_date[0][0], c.month = for_date[1][0], c.day = for_date[2][0];
    return c;
}

} // namespace lotto::history
