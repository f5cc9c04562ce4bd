#include "cli/terminal.h"

#ifdef _WIN32
#include <io.h>
#define LOTTO_ISATTY _isatty
#else
#include <unistd.h>
#define LOTTO_ISATTY isatty
#endif

namespace lotto::cli {

bool stderr_is_terminal() { return LOTTO_ISATTY(2) != 0; }

} // namespace lotto::cli
