#include "cli/manual.h"

#include "cli/help_text.h"

#include <set>

namespace lotto::cli {

namespace {

// Text for roff: backslashes and dashes escaped, no line opening with a control character.
std::string roff(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    return out;
}

// Roff text filled into lines of at most 78 bytes, broken at spaces; no line opens with a
// control character.
std::string filled(std::string_view text) {
    std::string out, line;
    const auto end_line = [&] {
        if (line.starts_with('.') || line.starts_with('\'')) out += "\\&";
        out += line + '\n';
        line.clear();
    };
    const std::string escaped = roff(text);
    std::string_view rest = escaped;
    while (!rest.empty()) {
        const std::size_t space = rest.find(' ');
        const std::string_view word = rest.substr(0, space);
        rest = space == std::string_view::npos ? "" : rest.substr(space + 1);
        if (!line.empty() && line.size() + 1 + word.size() > 78) end_line();
        if (!line.empty()) line += ' ';
        line += word;
    }
    if (!line.empty()) end_line();
    return out;
}

// ".TP" with the option in bold and its value in italics, then its text.
std::string option_item(const OptionInfo& o) {
    std::string head = ".TP\n";
    if (!o.short_name.empty()) head.append("\\fB").append(roff(o.short_name)).append("\\fR, ");
    head.append("\\fB").append(roff(o.long_name)).append("\\fR");
    if (!o.value_name.empty() && o.takes != Takes::AttachedValue) head += ' ';
    if (!o.value_name.empty()) head.append("\\fI").append(roff(o.value_name)).append("\\fR");
    return head.append("\n").append(filled(o.help));
}

std::string words(const std::vector<std::string>& list) {
    std::string s;
    for (const std::string& w : list) {
        if (!s.empty()) s += ' ';
        s += w;
    }
    return s;
}

std::vector<std::string> option_words(Commands commands) {
    std::vector<std::string> list;
    for (const OptionInfo& o : OptionTable)
        if ((o.commands & commands) != 0) {
            if (!o.short_name.empty()) list.emplace_back(o.short_name);
            list.emplace_back(o.long_name);
        }
    return list;
}

} // namespace

std::string manual_page(std::string_view version, std::string_view date) {
    std::string s = ".TH LOTTO739\\-CLI 1 ";
    s.append(date).append(" \"lotto739 ").append(version).append("\" \"User Commands\"\n");
    s += ".SH NAME\nlotto739\\-cli \\- filter, test and cover the combinations of a pick\\-7 "
         "lottery\n";
    s += ".SH SYNOPSIS\n.B lotto739\\-cli\n.I COMMAND\n.RI [ ARGUMENT ]\n.RI [ OPTION ]...\n";
    s += ".br\n.B lotto739\\-cli help\n.RI [ COMMAND ]\n";
    s += ".SH DESCRIPTION\n"
         "Counts and stores the combinations of 7 out of 39 (or of N, see \\fB\\-\\-game\\fR)\n"
         "that pass the chosen filters, tests them on past draws, checks tickets and\n"
         "covers numbers with few tickets.\n"
         "Without a command it runs \\fBcount\\fR.\n"
         "Each command also has a flag form: \\fB\\-\\-backtest\\fR for \\fBbacktest\\fR,\n"
         "\\fB\\-\\-wheel\\fR \\fILIST\\fR for \\fBwheel\\fR \\fILIST\\fR, and so on.\n"
         "It does not predict draws: every combination is as likely as any other.\n";
    s += ".SH COMMANDS\n";
    for (const CommandInfo& c : CommandTable) {
        s.append(".SS \"").append(roff(command_synopsis(c))).append("\"\n");
        std::string summary(c.summary);
        summary[0] = static_cast<char>(summary[0] - 'a' + 'A');
        s += filled(summary + ".");
        for (const OptionInfo* o : command_options(c.command)) s += option_item(*o);
    }
    s += ".SH SETTINGS\nThe settings go with every command but \\fBserve\\fR\n"
         "and apply in command\\-line order.\n";
    for (const OptionInfo* o : settings_options()) s += option_item(*o);
    for (const OptionInfo& o : OptionTable)
        if (o.opt == Opt::Version) s += option_item(o);
    s += ".SH \"EXIT STATUS\"\n"
         ".TP\n0\ndone\n"
         ".TP\n1\nthe store, the export or a file could not be written;\n"
         "for \\fBcheck\\-wheel\\fR, the guarantee fails\n"
         ".TP\n2\nbad arguments or input files\n"
         ".TP\n3\na wheel or reduction found failed its verification (an internal error)\n";
    s += ".SH \"SEE ALSO\"\nThe README of lotto739 and its \\fIdocs\\fR folder.\n";
    return s;
}

std::string bash_completion() {
    std::string files, values, commands, per_command;
    for (const OptionInfo& o : OptionTable) {
        if (o.completion.empty()) continue;
        std::string names;
        if (!o.short_name.empty()) names.append(o.short_name).append("|");
        names += o.long_name;
        if (o.completion == "file") {
            if (!files.empty()) files += '|';
            files += names;
        } else {
            values.append(8, ' ').append(names).append(") COMPREPLY=($(compgen -W \"");
            values.append(o.completion).append("\" -- \"$cur\")); return ;;\n");
        }
    }
    Commands flag_form = bit(Command::Count);
    for (const CommandInfo& c : CommandTable) {
        if (!commands.empty()) commands += ' ';
        commands += c.name;
        per_command.append(8, ' ').append(c.name).append(") options=\"");
        per_command.append(words(option_words(bit(c.command)))).append("\" ;;\n");
        if (c.flag) flag_form |= bit(c.command);
    }
    // Without a command: every option but the server's.
    std::vector<std::string> all = option_words(detail::Runs);
    std::set<std::string> seen(all.begin(), all.end());
    for (const OptionInfo& o : OptionTable)
        if (!seen.contains(std::string(o.long_name)) && o.commands != bit(Command::Serve))
            all.emplace_back(o.long_name);
    std::string s =
        std::string() +
        "# bash completion for lotto739-cli, made from its table of commands and options\n"
        "_lotto739_cli() {\n"
        "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        "    local commands=\"" +
        commands +
        "\" command=${COMP_WORDS[1]} options\n"
        "    case \"$prev\" in\n"
        "        " +
        files + ") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n" + values +
        "    esac\n"
        "    if [ \"$COMP_CWORD\" -eq 1 ] && [[ \"$cur\" != -* ]]; then\n"
        "        COMPREPLY=($(compgen -W \"$commands help\" -- \"$cur\")); return\n"
        "    fi\n"
        "    case \"$command\" in\n"
        "        help) [ \"$COMP_CWORD\" -eq 2 ] && COMPREPLY=($(compgen -W \"$commands\" -- "
        "\"$cur\"));"
        " return ;;\n"
        "        check-tickets|check-wheel) if [ \"$COMP_CWORD\" -eq 2 ]; then\n"
        "            COMPREPLY=($(compgen -f -- \"$cur\")); return; fi ;;\n"
        "    esac\n"
        "    case \"$command\" in\n" +
        per_command + "        *) options=\"" + words(all) +
        "\" ;;\n"
        "    esac\n"
        "    [[ \"$cur\" == -* ]] && COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
        "}\n"
        "complete -o filenames -o bashdefault -F _lotto739_cli lotto739-cli\n";
    return s;
}

} // namespace lotto::cli
