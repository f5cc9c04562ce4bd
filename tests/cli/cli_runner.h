// The real lotto739-cli, run as a child process through the shell with its output caught in files.
#pragma once

#include "tests/app/support.h"

#include <cstdlib>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace lotto::test {

struct Outcome {
    int status;
    std::string out, err;
    std::vector<std::string> lines; // of out
};

// Runs the program with `args` (shell syntax) in directory cwd; setup (shell commands) runs first.
inline Outcome run_cli(const std::string& args, const fs::path& cwd,
                       const std::string& setup = "") {
    static TempDir capture;
    const std::string out = (capture.path / "out").string(), err = (capture.path / "err").string();
    const std::string command = "cd '" + cwd.string() + "' && " +
                                (setup.empty() ? "" : setup + "; ") + "'" LOTTO_CLI_PATH "' " +
                                args + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    Outcome o{raw, read_file(out), read_file(err), {}};
#ifndef _WIN32
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    for (std::size_t at = 0, nl; (nl = o.out.find('\n', at)) != std::string::npos; at = nl + 1)
        o.lines.push_back(o.out.substr(at, nl - at));
    return o;
}

} // namespace lotto::test
