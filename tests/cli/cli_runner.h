// The real lotto739-cli, run as a child process through the shell with its output caught in files.
#pragma once

#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace lotto::test {

// Whether text holds part somewhere.
inline bool holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct Outcome {
    int status; // the exit status, or 128 + the signal that ended the program
    std::string out, err;
    std::vector<std::string> lines; // of out
};

// Runs the program with `args` (shell syntax) in directory cwd; setup (shell commands) runs first.
// stdout goes to a file unless args redirect it.
inline Outcome run_cli(const std::string& args, const fs::path& cwd,
                       const std::string& setup = "") {
    static TempDir capture;
    const fs::path out = capture.path / "out", err = capture.path / "err";
    fs::remove(out);
    const std::string command =
        "cd '" + cwd.string() + "' && " + (setup.empty() ? "" : setup + "; ") +
        "'" LOTTO_CLI_PATH "' " + args + " 2>'" + err.string() + "'" +
        (args.find('>') == std::string::npos ? " >'" + out.string() + "'" : "");
    const int raw = std::system(command.c_str());
    Outcome o{raw, fs::exists(out) ? read_file(out) : "", read_file(err), {}};
#ifndef _WIN32
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : -1;
#endif
    for (std::size_t at = 0, nl; (nl = o.out.find('\n', at)) != std::string::npos; at = nl + 1)
        o.lines.push_back(o.out.substr(at, nl - at));
    return o;
}

// The exit status given and exactly one line on stderr, from the program.
inline void expect_one_line_error(const Outcome& o, int status) {
    EXPECT_EQ(o.status, status) << o.err;
    EXPECT_TRUE(o.err.starts_with("lotto739-cli: ")) << o.err;
    EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err;
}

// Refused: the exit status given, nothing on stdout and one line on stderr holding part.
inline void expect_refused(const Outcome& o, int status, const std::string& part) {
    expect_one_line_error(o, status);
    EXPECT_EQ(o.out, "") << part;
    EXPECT_TRUE(holds(o.err, part)) << part << ": " << o.err;
}

} // namespace lotto::test
