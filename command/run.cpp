#include "command/run.h"

#include "cli/execute.h"
#include "cli/help_text.h"
#include "cli/memory_file.h"
#include "cli/options.h"
#include "cli/run_io.h"
#include "cli/texts.h"
#include "command/commands.h"
#include "command/run_stream.h"

#include <new>
#include <string_view>
#include <utility>
#include <variant>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace lotto::command {

namespace {

using cli::Command;
using cli::Invocation;

// Why the run may not write the files the options name: a run given its files writes none.
std::string refused_writes(const Invocation& i) {
    const auto* count = std::get_if<cli::CountOptions>(&i.options);
    const auto* wheel = std::get_if<cli::WheelOptions>(&i.options);
    const std::string_view chart = std::visit(
        [](const auto& o) -> std::string_view {
            if constexpr (requires { o.chart; }) return o.chart;
            return "";
        },
        i.options);
    const std::string& save = i.common.save_settings;
    const std::pair<bool, std::string_view> writes[] = {
        {count && count->export_text && !count->export_to_stdout(), "--export=DIR"},
        {!save.empty() && save != "-", "--save-settings FILE"},
        {!chart.empty(), "--chart FILE"},
        {wheel && !wheel->output_file.empty() && wheel->output_file != "-", "--output FILE"},
    };
    for (const auto& [given, option] : writes)
        if (given) return cli::no_file_writes(option);
    return "";
}

// Whether the run stores the combinations that pass: a count run that reads them, or a reduction
// (or its check).
bool stores(const Invocation& i) {
    if (const auto* wheel = std::get_if<cli::WheelOptions>(&i.options)) return !wheel->wheel();
    const auto* count = std::get_if<cli::CountOptions>(&i.options);
    return count && !count->count_only() && !count->statistics_only();
}

int run_parsed(const cli::ParseResult& parsed, std::FILE* out) {
    if (!parsed.ok()) return cli::fail(parsed.error, 2);
    if (parsed.help || parsed.version) {
        const std::string text = !parsed.help          ? cli::version_text()
                                 : parsed.help_command ? cli::command_help(*parsed.help_command)
                                                       : cli::usage_text();
        std::fputs(text.c_str(), out);
        return 0;
    }
    const Invocation& i = parsed.run;
    if (const std::string why = refused_writes(i); !why.empty()) return cli::fail(why, 2);
#ifdef _WIN32
    // The export text and CSV carry their own CR LF line ends.
    const auto* count = std::get_if<cli::CountOptions>(&i.options);
    if (out == stdout &&
        ((count && count->export_to_stdout()) || i.common.format == cli::Format::Csv))
        _setmode(_fileno(stdout), _O_BINARY);
#endif
    return execute(i);
}

cli::RunIo io_of(const Control& control, std::FILE* out) {
    cli::RunIo io;
    io.out = out;
    io.files = control.files;
    io.cancel = control.cancel;
    io.progress = control.progress;
    return io;
}

} // namespace

Outcome run_to(std::FILE* out, const std::vector<std::string>& args, const Control& control) {
    Outcome result;
    cli::RunIo io = io_of(control, out);
    {
        const cli::RunScope scope(io);
        try {
            if (!out) throw std::bad_alloc();
            result.status = run_parsed(cli::parse_options(args), out);
        } catch (const std::bad_alloc&) {
            result.status = cli::fail_out_of_memory(
                "out of memory: this work needs more memory than the system gives");
        }
    }
    if (control.cancel && control.cancel->load() && result.status == 0) {
        result.status = 1;
        io.error = "cancelled";
    }
    result.cancelled = control.cancel && control.cancel->load() && result.status != 0;
    if (result.cancelled) io.error = "cancelled";
    result.error = std::move(io.error);
    result.notes = std::move(io.notes);
    result.report = std::move(io.report);
    result.out_of_memory = io.out_of_memory && result.status != 0;
    return result;
}

Outcome run(const std::vector<std::string>& args, const Control& control) {
    if (control.write) {
        cli::FunctionFile stream(control.write);
        Outcome result = run_to(stream.get(), args, control);
        stream.close();
        return result;
    }
    cli::MemoryFile stream;
    Outcome result = run_to(stream.get(), args, control);
    result.out = stream.take();
    return result;
}

Plan plan(const std::vector<std::string>& args, const Control& control) {
    Plan p;
    cli::RunIo io = io_of(control, nullptr);
    const cli::RunScope scope(io);
    const cli::ParseResult parsed = cli::parse_options(args);
    p.error = parsed.error;
    if (!p.error.empty() || parsed.help || parsed.version) return p;
    p.error = refused_writes(parsed.run);
    if (!p.error.empty()) return p;
    p.needs_store = stores(parsed.run);
    const Command c = parsed.run.command;
    p.long_search = c == Command::Wheel || c == Command::Reduce;
    return p;
}

} // namespace lotto::command
