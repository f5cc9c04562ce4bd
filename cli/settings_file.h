// Settings files: the settings in force written as command-line options, one a line, and the
// reading side's file access and word splitting (the options themselves go through the parser).
#pragma once

#include "engine/settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace lotto::cli {

// The header comment, the game unless it is 7/39, every active filter with its parameter,
// parameters of inactive filters, ranges off the game's defaults and the non-empty arrays, in
// that fixed order, one option a line.
std::string settings_text(const Settings& s);

// Reads the whole file at path into text; returns "" or a one-line message naming the file.
std::string read_settings_file(const std::string& path, std::string& text);

// The words of one line: split at spaces and tabs, but not next to a comma, nor next to an '=' or
// a '/' after a value ("-f 7 = 5", "--game 7 / 39"), from '#' on a comment, CR dropped.
std::vector<std::string> line_words(std::string_view line);

} // namespace lotto::cli
