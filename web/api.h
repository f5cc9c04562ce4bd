// POST /api/run: the request's JSON read into a command line and its files, and a run's outcome
// turned into the HTTP answer. No sockets here.
#pragma once

#include "command/run.h"

#include <string>
#include <string_view>
#include <vector>

namespace lotto::web {

struct ApiRequest {
    std::vector<std::string> args;
    command::FileTexts files;
};

struct ApiAnswer {
    unsigned status = 200;
    std::string content_type = "application/json";
    std::string body;
    std::vector<std::string> notes; // the run's notes, sent in the X-Lotto739-Notes header
};

// Reads {"args": [strings], "files": {"NAME": "text", ...}} ("files" may be left out); returns ""
// or what is wrong with the body.
std::string read_api_request(std::string_view body, ApiRequest& request);

// {"error": "message"} with the status.
ApiAnswer error_answer(unsigned status, std::string_view message);

// The answer to a run of args: 200 with its stdout (JSON, CSV, text or the export as its --format
// and --export=- say), 400 for bad input, 503 for want of memory or when cancelled. The stdout is
// moved, not copied: an export may be hundreds of megabytes.
ApiAnswer outcome_answer(command::Outcome outcome, const std::vector<std::string>& args);

// The notes as one header value: a JSON array in ASCII.
std::string notes_header(const std::vector<std::string>& notes);

// The answer as one server-sent event, "event: result", whose data is
// {"status": S, "body": "...", "notes": [...]}.
std::string result_event(const ApiAnswer& answer);

// A progress line as one server-sent event, "event: progress".
std::string progress_event(std::string_view line);

} // namespace lotto::web
