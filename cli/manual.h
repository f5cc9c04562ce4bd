// The manual page lotto739-cli(1) and the bash completion, made from the table of commands and
// options (cli/command_table.h) as --help is.
#pragma once

#include <string>
#include <string_view>

namespace lotto::cli {

// The roff source of lotto739-cli(1); date as YYYY-MM-DD.
std::string manual_page(std::string_view version, std::string_view date);

// A bash script defining the completion of lotto739-cli: commands, options, the values of the
// options that take a few words, and file names where a file goes.
std::string bash_completion();

} // namespace lotto::cli
