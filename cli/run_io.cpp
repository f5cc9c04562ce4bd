#include "cli/run_io.h"

#include "cli/printable.h"

namespace lotto::cli {

namespace {

constexpr std::size_t LongestMessage = 1000;

thread_local RunIo* current = nullptr;

} // namespace

RunIo& run_io() {
    thread_local RunIo standard;
    return current ? *current : standard;
}

RunScope::RunScope(RunIo& io) : previous_(current) { current = &io; }

RunScope::~RunScope() { current = previous_; }

int fail(const std::string& message, int status) {
    RunIo& io = run_io();
    std::string line = printable(message, LongestMessage);
    if (status == 0)
        io.notes.push_back(std::move(line));
    else if (io.error.empty())
        io.error = std::move(line);
    return status;
}

int fail_out_of_memory(const std::string& message) {
    run_io().out_of_memory = true;
    return fail(message, 1);
}

InputText input_text(const std::string& name) {
    InputText t;
    const InputTexts* files = run_io().files;
    if (!files) return t;
    t.sent = true;
    if (const auto at = files->find(name); at != files->end())
        t.text = at->second;
    else
        t.error = "no file named '" + printable(name) + "' was sent";
    return t;
}

std::string no_file_writes(std::string_view option) {
    if (!run_io().files) return "";
    return std::string(option) + " writes a file, which this request cannot do";
}

} // namespace lotto::cli
