// lotto739-cli: the count run, the viewer's pages, the text export, the number statistics, ticket
// samples, the analysis of filters, wheels and reductions from the command line, through the same
// command layer as the page's server.
#include "cli/terminal.h"
#include "command/run_stream.h"
#include "web/server.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void print_error_line(const std::string& line) {
    std::fputs(("lotto739-cli: " + line + "\n").c_str(), stderr);
}

} // namespace

int main(int argc, char** argv) {
    using namespace lotto::command;
    if (argc > 1 && std::string(argv[1]) == "serve")
        return lotto::web::serve_main(std::vector<std::string>(argv + 2, argv + argc));
    Control control;
    bool progress_shown = false;
    // Progress goes over itself on the terminal's last line.
    if (lotto::cli::stderr_is_terminal())
        control.progress = [&progress_shown](std::string_view line) {
            std::fprintf(stderr, "\r%.*s ", static_cast<int>(line.size()), line.data());
            std::fflush(stderr);
            progress_shown = true;
        };
    Outcome o = run_to(stdout, std::vector<std::string>(argv + 1, argv + argc), control);
    if (progress_shown) std::fprintf(stderr, "\r%40s\r", "");
    // Everything on stdout must have reached it, or the run is not reported as done.
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && o.status == 0) {
        o.error = "cannot write the output";
        o.status = 1;
    }
    if (!o.error.empty()) {
        print_error_line(o.error);
        return o.status;
    }
    std::fputs(o.report.c_str(), stderr);
    for (const std::string& note : o.notes) print_error_line(note);
    return o.status;
}
