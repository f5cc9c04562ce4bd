#include "cli/help_text.h"

#include <string_view>

namespace lotto::cli {

namespace {

constexpr std::size_t Width = 80, TextColumn = 28;

// The text wrapped into lines of at most Width columns from TextColumn on, after head.
std::string help_row(const std::string& head, std::string_view text) {
    std::string out = head;
    std::size_t column = head.size();
    const auto new_line = [&] {
        out += '\n';
        out.append(TextColumn, ' ');
        column = TextColumn;
    };
    if (column + 2 > TextColumn)
        new_line();
    else {
        out.append(TextColumn - column, ' ');
        column = TextColumn;
    }
    bool first = true;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text = space == std::string_view::npos ? "" : text.substr(space + 1);
        if (!first && column + 1 + word.size() > Width)
            new_line();
        else if (!first) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        first = false;
    }
    return out + '\n';
}

// The text filled into lines of at most Width columns, the lines after the first indented.
std::string filled(std::string_view text, std::size_t indent) {
    std::string out, line;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text = space == std::string_view::npos ? "" : text.substr(space + 1);
        if (!line.empty() && line.size() + 1 + word.size() > Width) {
            out += line + '\n';
            line.assign(indent, ' ');
        } else if (!line.empty() && line.find_first_not_of(' ') != std::string::npos) {
            line += ' ';
        }
        line += word;
    }
    return out + line + '\n';
}

std::string option_row(const OptionInfo& o) {
    std::string head(o.short_name.empty() ? 6 : 2, ' ');
    head += option_synopsis(o);
    return help_row(head, o.help);
}

} // namespace

const CommandInfo& command_info(Command c) { return CommandTable[static_cast<std::size_t>(c)]; }

std::string option_synopsis(const OptionInfo& o) {
    std::string s;
    if (!o.short_name.empty()) s.append(o.short_name).append(", ");
    s += o.long_name;
    if (!o.value_name.empty() && o.takes != Takes::AttachedValue) s += ' ';
    s += o.value_name;
    return s;
}

std::string command_synopsis(const CommandInfo& c) {
    std::string s(c.name);
    if (!c.argument.empty()) s.append(" ").append(c.argument);
    if (!c.needs.empty()) s.append(" ").append(c.needs);
    return s;
}

std::vector<const OptionInfo*> settings_options() {
    std::vector<const OptionInfo*> options;
    for (const OptionInfo& o : OptionTable)
        if (o.setting || o.opt == Opt::Settings || o.opt == Opt::SaveSettings)
            options.push_back(&o);
    return options;
}

std::vector<const OptionInfo*> command_options(Command c) {
    std::vector<const OptionInfo*> options;
    const OptionInfo* help = nullptr;
    for (const OptionInfo& o : OptionTable) {
        if ((o.commands & bit(c)) == 0 || o.setting || o.opt == Opt::Settings ||
            o.opt == Opt::SaveSettings)
            continue;
        if (o.opt == Opt::Help)
            help = &o;
        else
            options.push_back(&o);
    }
    options.push_back(help);
    return options;
}

std::string usage_text() {
    std::string s = "Usage: lotto739-cli COMMAND [ARGUMENT] [OPTION]...\n"
                    "Counts and stores the combinations of 7 out of 39 (or of N, see --game)\n"
                    "that pass the chosen filters, tests them on past draws, checks tickets and\n"
                    "covers numbers with few tickets. Without a command it runs count.\n"
                    "\nCommands:\n";
    for (const CommandInfo& c : CommandTable) {
        std::string head = "  ";
        head += c.name;
        if (!c.argument.empty()) head.append(" ").append(c.argument);
        s += help_row(head, c.summary);
    }
    s += "\nSettings (every command but serve; they apply in command-line order):\n";
    for (const OptionInfo* o : settings_options()) s += option_row(*o);
    for (const OptionInfo& o : OptionTable)
        if (o.opt == Opt::Help || o.opt == Opt::Version) s += option_row(o);
    s += "\n'lotto739-cli help COMMAND' or 'lotto739-cli COMMAND --help' shows a command's\n"
         "options. Each command has a flag form as well: --list, --funnel,\n"
         "--explain N1,...,N7, --backtest, --history-stats, --check-tickets FILE,\n"
         "--wheel LIST, --reduce T, --check-wheel FILE, --odds FILE.\n"
         "\nExit status: 0 done, 1 the store, the export or the settings file could not\n"
         "be written (or check-wheel: the guarantee fails), 2 bad arguments or input\n"
         "files, 3 a wheel or reduction found failed its verification (an internal error).\n";
    return s;
}

std::string command_help(Command command) {
    const CommandInfo& c = command_info(command);
    std::string s = "Usage: lotto739-cli ";
    s.append(c.name);
    if (!c.argument.empty()) s.append(" ").append(c.argument);
    s += " [OPTION]...\n";
    if (!c.needs.empty()) s.append("Needs: ").append(c.needs).append("\n");
    std::string summary(c.summary);
    summary[0] = static_cast<char>(summary[0] - 'a' + 'A');
    s += filled(summary + ".", 0) + "\nOptions:\n";
    for (const OptionInfo* o : command_options(command)) s += option_row(*o);
    if (command == Command::Serve) return s;
    s += "\nSettings: --game, -f, -p, -r, --array7, --array15, --settings, --save-settings\n"
         "(see lotto739-cli --help).\n";
    return s;
}

} // namespace lotto::cli
