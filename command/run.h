// One command line of lotto739-cli run as a function: the command line program, the page's server
// and the tests call it alike.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lotto::command {

// The texts of a request's files, by the names its options give in place of paths.
using FileTexts = std::map<std::string, std::string, std::less<>>;

struct Control {
    // With files set, every option that reads a file (--history, --settings, --check-tickets,
    // --check-wheel, and later --repair and `odds FILE`) names a key of *files and nothing is read
    // from disk; a missing key is bad input ("no file named 'X' was sent"); options that write
    // files (--export=DIR, --save-settings FILE, --chart FILE, --output FILE) are bad input then
    // (--export=- and --save-settings - stay allowed).
    const FileTexts* files = nullptr;
    // Becomes true: long work stops soon, the run fails "cancelled".
    const std::atomic<bool>* cancel = nullptr;
    // Progress lines of long searches; may be empty.
    std::function<void(std::string_view)> progress;
    // Stdout's bytes as they come; empty = Outcome::out.
    std::function<void(std::string_view)> write;
};

struct Outcome {
    int status = 0;    // 0 done; 1 write/store/memory failure or a failing check; 2 bad input
    std::string out;   // stdout's bytes (when Control::write is empty)
    std::string error; // the one line of a failure, without "lotto739-cli: "
    // Stderr notes, without the prefix; the CLI prints them only when the run succeeds.
    std::vector<std::string> notes;
    // Failed for want of memory (store or search): the server answers 503.
    bool out_of_memory = false;
    bool cancelled = false;
    std::string report; // with --export=-: the count run's report, which goes to stderr
};

// What a command line needs, from parsing alone (no file read, nothing run).
struct Plan {
    std::string error;
    bool needs_store = false;
    bool long_search = false;
};
Plan plan(const std::vector<std::string>& args, const Control& control = {});

// Runs one command line (the args after the program name, subcommand or flag form).
Outcome run(const std::vector<std::string>& args, const Control& control = {});

} // namespace lotto::command
