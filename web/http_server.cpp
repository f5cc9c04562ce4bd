// The HTTP side of serve, over Boost.Beast: one thread for each connection, each with an I/O
// context of its own so that every wait has a deadline and sees the server stopping.
#include "web/api.h"
#include "web/guard.h"
#include "web/open_browser.h"
#include "web/page_files.h"
#include "web/run_queue.h"
#include "web/server.h"

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <memory>
#include <mutex>
#include <new>
#include <thread>

namespace lotto::web {

namespace {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = net::ip::tcp;
using Clock = std::chrono::steady_clock;

constexpr auto Tick = std::chrono::milliseconds(50); // how often a waiting thread looks up
constexpr auto ReadTime = std::chrono::seconds(60);  // to send a whole request
constexpr auto WriteTime = std::chrono::seconds(60); // to take a whole answer
constexpr std::size_t MostConnections = 128;         // open at once; more are turned away
constexpr std::size_t HeaderCap = 16 * 1024;         // a request's header lines

// Beast 1.74 has a string_view of its own.
std::string_view view(beast::string_view s) { return {s.data(), s.size()}; }
beast::string_view beast_view(std::string_view s) { return {s.data(), s.size()}; }

void say(const std::string& line) {
    std::fprintf(stderr, "lotto739-cli: %s\n", line.c_str());
    std::fflush(stderr);
}

// What every connection shares.
struct Shared {
    std::string token;
    std::string bind;
    uint16_t port = 0;
    std::atomic<bool> stopping{false};
    RunQueue queue;
    std::mutex mutex;
    std::condition_variable closed;
    std::size_t open = 0; // connections being served
};

// Progress lines from the run's thread, written by the connection's.
class Lines {
  public:
    void push(std::string_view line) {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(line);
    }
    std::vector<std::string> take() {
        std::lock_guard lock(mutex_);
        return std::exchange(lines_, {});
    }

  private:
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

class Connection {
  public:
    explicit Connection(Shared& shared) : shared_(shared), socket_(io_) {}
    tcp::socket& socket() { return socket_; }

    void serve() {
        beast::error_code ec;
        socket_.set_option(tcp::no_delay(true), ec);
        try {
            answer_request();
        } catch (const std::exception&) {
            // A connection that failed is closed; the server goes on.
        }
        socket_.shutdown(tcp::socket::shutdown_both, ec);
        socket_.close(ec);
    }

  private:
    // Runs one operation begun by start(handler) until it ends, cancelling it past the deadline
    // or (a read) when the server stops.
    template <class Start>
    beast::error_code wait(Start start, Clock::time_point deadline, bool reading = false) {
        bool done = false;
        beast::error_code result;
        io_.restart();
        start([&](beast::error_code ec, std::size_t) {
            done = true;
            result = ec;
        });
        bool cancelled = false;
        while (!done) {
            io_.run_one_for(Tick);
            if (!done && !cancelled &&
                (Clock::now() >= deadline || (reading && shared_.stopping.load()))) {
                beast::error_code ignored;
                socket_.cancel(ignored);
                cancelled = true;
            }
        }
        return result;
    }

    beast::error_code write_raw(std::string_view bytes) {
        return wait([&](auto handler) { net::async_write(socket_, net::buffer(bytes), handler); },
                    Clock::now() + WriteTime);
    }

    void write_answer(unsigned status, std::string_view type, std::string body,
                      const std::vector<std::string>& notes = {}, bool head = false) {
        http::response<http::string_body> res{static_cast<http::status>(status), 11};
        res.set(http::field::content_type, beast_view(type));
        res.set(http::field::cache_control, "no-store");
        res.set("X-Content-Type-Options", "nosniff");
        res.set("X-Frame-Options", "DENY");
        res.set("Referrer-Policy", "no-referrer");
        res.set("Content-Security-Policy",
                "default-src 'self'; img-src 'self' data: blob:; frame-ancestors 'none'; "
                "base-uri 'none'; form-action 'none'");
        if (!notes.empty()) res.set("X-Lotto739-Notes", notes_header(notes));
        res.keep_alive(false);
        const std::size_t size = body.size();
        if (!head) res.body() = std::move(body);
        res.content_length(size);
        wait([&](auto handler) { http::async_write(socket_, res, handler); },
             Clock::now() + WriteTime);
    }

    void write_error(unsigned status, std::string_view message) {
        const ApiAnswer a = error_answer(status, message);
        write_answer(a.status, a.content_type, a.body);
    }

    void answer_request() {
        const Clock::time_point deadline = Clock::now() + ReadTime;
        http::request_parser<http::string_body> parser;
        parser.header_limit(HeaderCap);
        parser.body_limit(BodyCap);
        beast::error_code ec =
            wait([&](auto handler) { http::async_read_header(socket_, buffer_, parser, handler); },
                 deadline, true);
        if (ec == http::error::header_limit)
            return write_error(431, "the request's header is too large");
        if (ec == http::error::body_limit) return write_error(413, too_large()); // by its length
        if (ec) return;
        const auto& req = parser.get();
        if (!host_allowed(view(req[http::field::host]), shared_.bind, shared_.port))
            return write_error(403, "this server answers only requests for its own address");
        const std::string_view target = view(req.target());
        const std::string_view path = target.substr(0, target.find('?'));
        if (!path.starts_with("/api/")) {
            const PageFile* file = find_page_file(path);
            if (file == nullptr) return write_error(404, "no such page");
            if (req.method() != http::verb::get && req.method() != http::verb::head)
                return write_error(405, "the page's files are read with GET");
            return write_answer(200, file->type, std::string(file->body), {},
                                req.method() == http::verb::head);
        }
        if (!token_matches(request_token(target, view(req[http::field::authorization])),
                           shared_.token))
            return write_error(403, "the request lacks this start's token");
        if (path != "/api/run") return write_error(404, "the API has only /api/run");
        if (req.method() != http::verb::post) return write_error(405, "/api/run takes a POST");
        const auto length = parser.content_length();
        if (length && *length > BodyCap) return write_error(413, too_large());
        const bool events =
            view(req[http::field::accept]).find("text/event-stream") != std::string_view::npos;
        ec = wait([&](auto handler) { http::async_read(socket_, buffer_, parser, handler); },
                  deadline, true);
        if (ec == http::error::body_limit) return write_error(413, too_large());
        if (ec) return;
        ApiRequest request;
        const std::string problem = read_api_request(parser.get().body(), request);
        if (!problem.empty()) return write_error(400, problem);
        run(request, events);
    }

    static std::string too_large() {
        return "the request is larger than the server takes (" + std::to_string(BodyCap >> 20) +
               " MiB)";
    }

    // Runs the request on a thread of its own while this one watches the client: a client that
    // goes away, or the server stopping, cancels the run.
    void run(const ApiRequest& request, bool events) {
        std::atomic<bool> cancel{false};
        Lines lines;
        command::Control control;
        control.files = &request.files;
        control.cancel = &cancel;
        if (events) control.progress = [&](std::string_view line) { lines.push(line); };
        const command::Plan plan = command::plan(request.args, control);
        if (!plan.error.empty()) return write_error(400, plan.error);
        if (events) {
            const std::string head =
                "HTTP/1.1 200 OK\r\nContent-Type: text/event-stream\r\n"
                "Cache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\n"
                "Connection: close\r\n\r\n";
            if (write_raw(head)) return;
        }
        ApiAnswer answer;
        std::atomic<bool> finished{false};
        std::thread worker([&] {
            try {
                QueuePlace place(shared_.queue, plan.needs_store, cancel);
                if (place.entry() == RunQueue::Entry::Full)
                    answer = error_answer(
                        503, "the server is busy: too many runs wait; try again later");
                else if (place.entry() == RunQueue::Entry::Cancelled)
                    answer = error_answer(503, "cancelled");
                else
                    answer = outcome_answer(command::run(request.args, control), request.args);
            } catch (const std::bad_alloc&) {
                answer = error_answer(
                    503, "out of memory: this work needs more memory than the system gives");
            }
            finished = true;
            net::post(io_, [] {}); // wakes the watch below at once
        });
        bool gone = false;
        io_.restart();
        watch_client(gone);
        while (!finished.load()) {
            if (io_.stopped()) io_.restart();
            io_.run_one_for(Tick);
            if (gone || shared_.stopping.load()) cancel = true;
            if (events && !gone)
                for (const std::string& line : lines.take())
                    if (write_raw(progress_event(line))) gone = true;
        }
        worker.join();
        beast::error_code ignored;
        socket_.cancel(ignored);
        io_.restart();
        io_.run();
        if (gone) return;
        if (shared_.stopping.load() && answer.status == 503)
            answer = error_answer(503, "cancelled: the server is stopping");
        if (events) {
            for (const std::string& line : lines.take()) write_raw(progress_event(line));
            write_raw(result_event(answer));
        } else {
            write_answer(answer.status, answer.content_type, std::move(answer.body), answer.notes);
        }
    }

    // Waits on the socket while the run goes on: a closed connection sets gone; bytes sent after
    // the request are read and dropped.
    void watch_client(bool& gone) {
        socket_.async_wait(tcp::socket::wait_read, [this, &gone](beast::error_code ec) {
            if (ec == net::error::operation_aborted) return;
            if (ec) {
                gone = true;
                return;
            }
            char drop[512];
            socket_.non_blocking(true, ec);
            const std::size_t n = socket_.read_some(net::buffer(drop), ec);
            beast::error_code ignored;
            socket_.non_blocking(false, ignored);
            if (ec != net::error::would_block && (ec || n == 0)) {
                gone = true;
                return;
            }
            watch_client(gone);
        });
    }

    Shared& shared_;
    net::io_context io_;
    tcp::socket socket_;
    beast::flat_buffer buffer_;
};

void accept_next(tcp::acceptor& acceptor, Shared& shared) {
    auto connection = std::make_shared<Connection>(shared);
    acceptor.async_accept(
        connection->socket(), [&acceptor, &shared, connection](beast::error_code ec) {
            if (ec == net::error::operation_aborted || !acceptor.is_open()) return;
            if (!ec) {
                std::unique_lock lock(shared.mutex);
                if (shared.open >= MostConnections) {
                    lock.unlock();
                    connection->socket().close(ec);
                } else {
                    ++shared.open;
                    lock.unlock();
                    std::thread([connection, &shared] {
                        connection->serve();
                        std::unique_lock done(shared.mutex);
                        --shared.open;
                        std::notify_all_at_thread_exit(shared.closed, std::move(done));
                    }).detach();
                }
            }
            accept_next(acceptor, shared);
        });
}

} // namespace

int serve(const ServeOptions& options) {
    beast::error_code ec;
    const net::ip::address address = net::ip::make_address(options.bind, ec);
    if (ec) {
        say("--bind: '" + options.bind.substr(0, 60) + "' is not an IP address");
        return 2;
    }
    Shared shared;
    shared.token = new_token();
    shared.bind = address.to_string();
    net::io_context io;
    tcp::acceptor acceptor(io);
    const tcp::endpoint endpoint(address, options.port);
    acceptor.open(endpoint.protocol(), ec);
    // Two servers on one port are an error, not a silent share of it.
#ifndef _WIN32
    if (!ec) acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
#endif
    if (!ec) acceptor.bind(endpoint, ec);
    if (!ec) acceptor.listen(net::socket_base::max_listen_connections, ec);
    if (ec) {
        say(ec == net::error::address_in_use
                ? "port " + std::to_string(options.port) + " is in use on " + shared.bind +
                      " (--port P chooses another, --port 0 a free one)"
                : "cannot serve on " + shared.bind + " port " + std::to_string(options.port) +
                      ": " + ec.message());
        return 1;
    }
    shared.port = acceptor.local_endpoint().port();
    if (!address.is_loopback())
        say("warning: serving on " + shared.bind +
            ": everyone who reaches this address can use the program");
    const std::string url = "http://" + url_host(shared.bind) + ":" + std::to_string(shared.port) +
                            "/?token=" + shared.token;
    say("serving " + url);
    if (options.open) {
        const std::string problem = open_browser(url);
        if (!problem.empty()) say("note: " + problem + "; open the address above yourself");
    }
    net::signal_set signals(io, SIGINT, SIGTERM);
    signals.async_wait([&](beast::error_code, int) {
        shared.stopping = true;
        acceptor.close(ec);
    });
    accept_next(acceptor, shared);
    io.run();
    std::unique_lock lock(shared.mutex);
    shared.closed.wait(lock, [&] { return shared.open == 0; });
    return 0;
}

} // namespace lotto::web
