// Writes the manual page and the bash completion of lotto739-cli at build time:
// lotto739-cli-docs VERSION DATE MANUAL_FILE COMPLETION_FILE
#include "cli/manual.h"
#include "cli/write_file.h"

#include <cstdio>
#include <string>
#include <utility>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: lotto739-cli-docs VERSION DATE MANUAL_FILE COMPLETION_FILE\n", stderr);
        return 2;
    }
    for (const auto& [path, text] : {std::pair{argv[3], lotto::cli::manual_page(argv[1], argv[2])},
                                     std::pair{argv[4], lotto::cli::bash_completion()}})
        if (const std::string why = lotto::cli::write_file_replacing(path, text); !why.empty()) {
            std::fprintf(stderr, "lotto739-cli-docs: %s\n", why.c_str());
            return 1;
        }
    return 0;
}
