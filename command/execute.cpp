// A parsed command line run: its command from the table, then the settings file it saves.
#include "cli/execute.h"
#include "app/replace_file.h"
#include "cli/printable.h"
#include "cli/settings_file.h"
#include "cli/write_file.h"
#include "command/commands.h"

#include <filesystem>

namespace lotto::command {

using namespace cli;

namespace {

// Why the settings file cannot be written, found before the run so that stdout stays empty then
// (the settings are written only after the command succeeds); "" when it can. A plain file is
// tried out: the text goes to a temporary file beside it, which is dropped, so that an
// interrupted run leaves nothing behind. A device or a pipe, which would take the text twice, is
// not.
std::string unwritable_settings(const std::string& path, const std::string& text) {
    if (std::string why = unwritable_path(path); !why.empty()) return why;
    std::error_code ec;
    const auto status = std::filesystem::status(file_system_path(path), ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return "";
    ReplacingFile trial(path, text.size());
    if (trial.write(text.data(), text.size()) && trial.flush()) return "";
    return "cannot write '" + printable(path) + "': " + trial.commit();
}

} // namespace

int execute(const Invocation& i) {
    const Common& c = i.common;
    const bool saving = !c.save_settings.empty() && c.save_settings != "-";
    const std::string settings = saving ? settings_text(c.settings) : "";
    if (saving)
        if (std::string why = unwritable_settings(c.save_settings, settings); !why.empty())
            return fail(why, 1);
    const int status = run_command(i);
    if (status == 0 && saving)
        if (std::string why = write_file_replacing(c.save_settings, settings); !why.empty())
            return fail(why, 1);
    return status;
}

} // namespace lotto::command
