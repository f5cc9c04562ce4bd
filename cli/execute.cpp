#include "cli/execute.h"

#include "analysis/backtest.h"
#include "analysis/charts.h"
#include "analysis/explain.h"
#include "analysis/game_check.h"
#include "analysis/history.h"
#include "analysis/sample.h"
#include "app/catalogue.h"
#include "app/clock.h"
#include "app/format.h"
#include "app/replace_file.h"
#include "app/statistics.h"
#include "app/viewer.h"
#include "cli/after_draw.h"
#include "cli/export_stream.h"
#include "cli/input_files.h"
#include "cli/memory_file.h"
#include "cli/output.h"
#include "cli/printable.h"
#include "cli/settings_file.h"
#include "cli/wheel_command.h"
#include "cli/write_file.h"
#include "engine/funnel.h"
#include "engine/run.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <new>
#include <optional>
#include <random>
#include <utility>

namespace lotto::cli {

// Whether the settings hold filters: one switched on, a range moved from the game's default or a
// chosen-number array holding a number.
bool filters_given(const Settings& s) {
    const auto filled = [](const auto& array) {
        return std::any_of(array.begin(), array.end(), [](int32_t n) { return n != 0; });
    };
    return s.active != 0 || s.effective != default_ranges(s.highest) || filled(s.array7) ||
           filled(s.array15);
}

// Says on stderr that a --threads given changes nothing for the command, told as "--list, which
// ...".
void note_threads_unused(const Common& c, const std::string& command) {
    if (c.threads != 0) note("--threads changes nothing for " + command);
}

unsigned run_threads(const Common& c) { return c.threads != 0 ? c.threads : default_threads(); }

uint64_t system_seed() {
    std::random_device rd;
    const uint64_t device = (uint64_t{rd()} << 32) ^ rd();
    return device ^
           static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void note_history(const std::string& file, const History& h) {
    const std::string name = printable(file);
    if (!h.named_first.empty())
        note(name + ": " +
             (h.named_first == h.named_last ? "column " + h.named_first
                                            : "columns " + h.named_first + ".." + h.named_last) +
             " taken from the header" +
             (h.named_bonus.empty() ? "" : ", " + h.named_bonus + " as the bonus number"));
    for (const SkippedLine& skipped : h.skipped)
        note(name + ":" + std::to_string(skipped.line) + ": skipped: " + skipped.why);
    if (!h.skipped.empty())
        note(name + ": " + std::to_string(h.skipped.size()) + " bad line(s) skipped");
    if (h.two_draw_lines != 0)
        note(name + ":" + std::to_string(h.first_two_draw_line) +
             ": fourteen numbers stand in a row after the date on " +
             std::to_string(h.two_draw_lines) +
             " line(s); each was read as two draws of that date, the first seven and then the "
             "next (to read one of them only, name its fields with --history-columns A-B)");
    if (h.longer_runs != 0)
        note(name + ":" + std::to_string(h.first_longer_run) +
             ": more than seven numbers stand in a row on " + std::to_string(h.longer_runs) +
             " line(s); the first seven were taken as the draw (wrong when a draw counter or a "
             "week stands before the numbers: then name the fields with --history-columns A-B, "
             "or a bonus after them with --bonus-column C)");
}

void check_game(uint32_t highest, const std::string& file, const std::vector<Draw>& draws) {
    const TopNumbersCheck c = check_top_numbers(draws, highest);
    if (!c.smaller_game_likely()) return;
    const std::string smaller = "7/" + std::to_string(c.highest_drawn);
    note(printable(file) + ": no draw holds a number above " + std::to_string(c.highest_drawn) +
         " in " + std::to_string(draws.size()) + " draws read as 7/" + std::to_string(highest) +
         " (chance " + chance_text(c.chance) + "); if the game is " + smaller + ", give --game " +
         smaller);
}

void check_game_change(const std::string& file, const std::vector<Draw>& oldest_first, bool cut) {
    const GameChange c = find_game_change(oldest_first);
    if (!c.found) return;
    const Draw& from = oldest_first[c.first];
    const std::string earlier = "7/" + std::to_string(c.earlier_highest);
    std::string text =
        printable(file) + ":" + std::to_string(from.line) + ": no draw before this one (draw " +
        std::to_string(c.first + 1) + " of " + std::to_string(oldest_first.size()) +
        ", oldest first) holds a number above " + std::to_string(c.earlier_highest) + " (chance " +
        chance_text(c.chance) + " in 7/" + std::to_string(c.later_highest) +
        "): the game was likely " + earlier + " before; ";
    if (!cut)
        text += "the back-test takes every draw, so keep only the lines of the later game in "
                "the file";
    else
        text += "to take only the draws since, give --last " +
                std::to_string(oldest_first.size() - c.first) +
                (from.date ? " or --since " + date_text(*from.date) : "");
    fail(text, 0); // a note
}

void print_settings(const Common& c) {
    if (c.save_settings != "-") return;
    const std::string text = settings_text(c.settings);
    std::fwrite(text.data(), 1, text.size(), out());
}

} // namespace lotto::cli
