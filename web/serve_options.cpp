#include "web/server.h"

#include "cli/help_text.h"

#include <charconv>
#include <cstdio>

namespace lotto::web {

std::string serve_usage() { return cli::command_help(cli::Command::Serve); }

std::string parse_serve_options(const std::vector<std::string>& args, ServeOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&](const char* name, std::string& out) {
            const std::string prefix = std::string(name) + "=";
            if (a.starts_with(prefix)) {
                out = a.substr(prefix.size());
                return true;
            }
            if (a != name) return false;
            out = i + 1 < args.size() ? args[++i] : ""; // empty: the value is missing
            return true;
        };
        std::string v;
        if (a == "--no-open") {
            options.open = false;
        } else if (value("--port", v)) {
            unsigned port = 0;
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), port);
            if (v.empty() || ec != std::errc() || end != v.data() + v.size() || port > 65535)
                return "--port needs a number 0..65535";
            options.port = static_cast<uint16_t>(port);
        } else if (value("--bind", v)) {
            if (v.empty()) return "--bind needs an address";
            options.bind = v;
        } else {
            std::string shown = a.substr(0, 60);
            for (char& c : shown)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
            return "serve: unknown option '" + shown + "' (serve --help lists them)";
        }
    }
    return "";
}

int serve_main(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(serve_usage().c_str(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
    ServeOptions options;
    const std::string error = parse_serve_options(args, options);
    if (!error.empty()) {
        std::fprintf(stderr, "lotto739-cli: %s\n", error.c_str());
        return 2;
    }
    return serve(options);
}

} // namespace lotto::web
