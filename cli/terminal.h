// Whether stderr is a terminal: the one question the command line asks of the platform.
#pragma once

namespace lotto::cli {

// True when stderr goes to a terminal (progress lines are shown then, and only then).
bool stderr_is_terminal();

} // namespace lotto::cli
