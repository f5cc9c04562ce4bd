// The help of lotto739-cli, made from the table of commands and options.
#pragma once

#include "cli/command_table.h"

#include <string>
#include <vector>

namespace lotto::cli {

// --help: the commands with one line each, then the settings options.
std::string usage_text();
// COMMAND --help, help COMMAND: the command's own options.
std::string command_help(Command c);

// The settings options (they go with every command), in table order.
std::vector<const OptionInfo*> settings_options();
// A command's own options, in table order: no settings option, --help last.
std::vector<const OptionInfo*> command_options(Command c);
// "-f, --filter K[=P][,...]" or "--page P": an option as the help shows it.
std::string option_synopsis(const OptionInfo& o);
// "backtest --history FILE": a command with its argument and what it needs.
std::string command_synopsis(const CommandInfo& c);
const CommandInfo& command_info(Command c);

} // namespace lotto::cli
