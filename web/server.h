// lotto739-cli serve: the page and its API over HTTP on the player's own machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lotto::web {

struct ServeOptions {
    uint16_t port = 7390;           // 0: a free port
    std::string bind = "127.0.0.1"; // the address to listen on
    bool open = true;               // open the default browser on the page
};

// The largest request body read (a history of many years is a few MB).
inline constexpr std::size_t BodyCap = std::size_t{64} << 20;

// Reads serve's options (--port P, --bind ADDR, --no-open); returns "" or what is wrong.
std::string parse_serve_options(const std::vector<std::string>& args, ServeOptions& options);

// The help of serve, made from the command table.
std::string serve_usage();

// Serves until Ctrl-C or SIGTERM; prints the page's address (and any error) on stderr. Returns
// the exit status: 0 stopped, 1 the address could not be had.
int serve(const ServeOptions& options);

// lotto739-cli serve ARGS: the options read, then serve(); bad options exit 2.
int serve_main(const std::vector<std::string>& args);

} // namespace lotto::web
