// The command line run with stdout's bytes going straight to a stream, for the program itself:
// the stream's own write errors stay visible to the caller.
#pragma once

#include "command/run.h"

#include <cstdio>

namespace lotto::command {

// As run, with Control::write ignored and stdout's bytes written to out.
Outcome run_to(std::FILE* out, const std::vector<std::string>& args, const Control& control = {});

} // namespace lotto::command
