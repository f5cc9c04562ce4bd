// lotto739-cli: the count run, the viewer's pages, the text export, the number statistics, ticket
// samples and the analysis of filters from the command line, through the same engine and shell
// functions as the GUI.
#include "cli/execute.h"
#include "cli/options.h"
#include "cli/texts.h"
#include "web/server.h"

#include <cstdio>
#include <new>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Everything on stdout must have reached it, or the run is not reported as done.
int finish(int status) {
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && status == 0)
        return lotto::cli::fail("cannot write the output", 1);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    using namespace lotto::cli;
    if (argc > 1 && std::string(argv[1]) == "serve")
        return lotto::web::serve_main(std::vector<std::string>(argv + 2, argv + argc));
    const ParseResult parsed = parse_options(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok()) return fail(parsed.error, 2);
    const Options& o = parsed.options;
    if (o.help || o.version) {
        std::fputs((o.help ? usage_text() : version_text()).c_str(), stdout);
        return finish(0);
    }
#ifdef _WIN32
    // The export text and CSV carry their own CR LF line ends.
    if (o.export_to_stdout() || o.format == Format::Csv) _setmode(_fileno(stdout), _O_BINARY);
#endif
    try {
        return finish(execute(o));
    } catch (const std::bad_alloc&) {
        return fail("out of memory: this work needs more memory than the system gives", 1);
    }
}
