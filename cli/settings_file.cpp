#include "cli/settings_file.h"

#include "app/catalogue.h"
#include "app/replace_file.h"
#include "cli/printable.h"
#include "cli/run_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <system_error>

namespace lotto::cli {

namespace {

constexpr std::size_t LargestSettingsFile = 1 << 20; // far above any real one; stops /dev/zero

std::string numbers_list(const int32_t* numbers, int size) {
    std::string list;
    for (int i = 0; i < size; ++i) {
        if (i != 0) list += ',';
        list += std::to_string(numbers[i]);
    }
    return list;
}

template <std::size_t Size> bool is_empty(const std::array<int32_t, Size>& numbers) {
    for (int32_t n : numbers)
        if (n != 0) return false;
    return true;
}

} // namespace

std::string settings_text(const Settings& s) {
    std::string text;
    const auto line = [&text](std::initializer_list<std::string_view> parts) {
        for (std::string_view part : parts) text += part;
        text += '\n';
    };
    line({"# lotto739-cli ", LOTTO_VERSION, " settings"});
    if (s.highest != DefaultGame) line({"--game 7/", std::to_string(s.highest)});
    for (int k = 1; k <= FilterCount; ++k)
        if (filter_is_on(s, k))
            line({"--filter ", std::to_string(k), has_parameter(k) ? "=" : "",
                  has_parameter(k) ? std::to_string(s.params[k - 1]) : ""});
    for (int k = 1; k <= FilterCount; ++k)
        if (!filter_is_on(s, k) && s.params[k - 1] != 0)
            line({"--param ", std::to_string(k), "=", std::to_string(s.params[k - 1])});
    const std::array<Range, RangeCount> defaults = default_ranges(s.highest);
    for (int r = 1; r <= RangeCount; ++r) {
        const Range& e = s.effective[r - 1];
        if (e != defaults[r - 1])
            line({"--range ", range_name(r), "=", std::to_string(e.start), "-",
                  std::to_string(e.end)});
    }
    if (!is_empty(s.array7)) line({"--array7 ", numbers_list(s.array7.data(), Array7Size)});
    if (!is_empty(s.array15)) line({"--array15 ", numbers_list(s.array15.data(), Array15Size)});
    return text;
}

std::string read_settings_file(const std::string& path, std::string& text) {
    if (InputText sent = input_text(path); sent.sent) {
        if (!sent.error.empty()) return sent.error;
        text = std::move(sent.text);
        if (text.size() > LargestSettingsFile)
            return "settings file '" + printable(path) + "' is too large (over 1 MiB)";
        if (text.starts_with("\xef\xbb\xbf")) text.erase(0, 3);
        return "";
    }
    const std::string name = "settings file '" + printable(path) + "'";
    std::error_code ec;
    if (std::filesystem::is_directory(file_system_path(path), ec)) return name + " is a directory";
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return "cannot read " + name + ": " + (errno ? std::strerror(errno) : "cannot open");
    text.clear();
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0 &&
           text.size() <= LargestSettingsFile)
        text.append(buffer, got);
    const bool failed = std::ferror(f) != 0;
    const int read_errno = errno;
    std::fclose(f);
    if (failed)
        return "cannot read " + name + ": " +
               (read_errno ? std::strerror(read_errno) : "read error");
    if (text.size() > LargestSettingsFile) return name + " is too large (over 1 MiB)";
    if (text.starts_with("\xef\xbb\xbf")) text.erase(0, 3); // a byte-order mark some editors add
    return "";
}

std::vector<std::string> line_words(std::string_view line) {
    line = line.substr(0, line.find('#'));
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        const std::string_view word = line.substr(start, end - start);
        // A list written with spaces after its commas ("--array7 1, 2, 3") stays one word, and so
        // does a value written with spaces around its '=' ("-f 7 = 5") or a game's slash
        // ("--game 7 / 39"); an option's name stays apart ("-f = 7" is refused as before).
        const bool list = !words.empty() && (words.back().ends_with(',') || word.starts_with(','));
        const bool joined = !words.empty() && !words.back().starts_with('-') &&
                            (words.back().ends_with('=') || word.starts_with('=') ||
                             words.back().ends_with('/') || word.starts_with('/'));
        if (list || joined)
            words.back() += word;
        else
            words.emplace_back(word);
        at = end;
    }
    return words;
}

} // namespace lotto::cli
