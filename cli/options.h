// The command line of lotto739-cli: parsed and checked in full before anything runs. Settings are
// applied through the engine's setters in command-line order; the first bad argument stops the
// parse with a one-line message.
#pragma once

#include "engine/settings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lotto::cli {

struct Options {
    Settings settings;  // the defaults, then every -f, -p, -r, --array7, --array15 in order
    bool quiet = false; // print only the stored count
    uint32_t page = 0;  // page to print after the report; 0 = none
    bool export_text = false;
    std::string export_dir; // "" = the current directory
    bool stats = false;
    bool list = false; // print the catalogue instead of running
    bool help = false;
    bool version = false;
};

struct ParseResult {
    Options options;
    std::string error; // empty when the command line is good
    bool ok() const { return error.empty(); }
};

// Parses the arguments after the program name. Stops at -h/--help or --version.
ParseResult parse_options(const std::vector<std::string>& args);

} // namespace lotto::cli
