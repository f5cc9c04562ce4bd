// wheel, reduce and check-wheel: tickets that cover numbers or the stored combinations.
#include "app/replace_file.h"
#include "cli/execute.h"
#include "cli/printable.h"
#include "cli/wheel_command.h"
#include "command/commands.h"

#include <filesystem>

namespace lotto::command {

using namespace cli;

namespace {

// The message for an input file that is missing or a folder, told before the run; "" otherwise.
std::string missing_input(const std::string& path) {
    if (path.empty() || run_io().files) return "";
    std::error_code ec;
    const auto status = std::filesystem::status(file_system_path(path), ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return printable(path) + ": no such file";
    if (status.type() == std::filesystem::file_type::directory)
        return printable(path) + ": is a directory";
    return "";
}

} // namespace

int wheel(const Common& c, const WheelOptions& o) {
    if (std::string why = missing_input(o.check_file); !why.empty()) return fail(why, 2);
    return run_wheel_command(c, o);
}

} // namespace lotto::command
