#include "web/api.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <utility>

namespace lotto::web {

namespace {

// How deep arrays and objects may nest in a request: two levels are all it has, and a body of
// millions of brackets should not reach the parser.
constexpr int MostDepth = 8;

bool nested_too_deep(std::string_view body) {
    int depth = 0;
    bool in_string = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (in_string) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else if (c == '[' || c == '{') {
            if (++depth > MostDepth) return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

std::string dump(const nlohmann::json& value) {
    return value.dump(-1, ' ', true, nlohmann::json::error_handler_t::replace);
}

// The --format a command line asks for, the last one winning; "text" by default.
std::string format_of(const std::vector<std::string>& args) {
    std::string format = "text";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--format" && i + 1 < args.size())
            format = args[i + 1];
        else if (args[i].starts_with("--format="))
            format = args[i].substr(9);
    }
    return format;
}

} // namespace

std::string read_api_request(std::string_view body, ApiRequest& request) {
    if (nested_too_deep(body)) return "the request nests deeper than it may";
    const nlohmann::json json = nlohmann::json::parse(body, nullptr, false);
    if (json.is_discarded()) return "the request is not JSON";
    if (!json.is_object()) return "the request is not a JSON object";
    const auto args = json.find("args");
    if (args == json.end() || !args->is_array()) return "the request has no \"args\" array";
    for (const nlohmann::json& arg : *args) {
        if (!arg.is_string()) return "every element of \"args\" must be a string";
        request.args.push_back(arg.get<std::string>());
    }
    const auto files = json.find("files");
    if (files != json.end()) {
        if (!files->is_object()) return "\"files\" must be an object of texts";
        for (const auto& [name, text] : files->items()) {
            if (!text.is_string()) return "every file in \"files\" must be a text";
            request.files.emplace(name, text.get<std::string>());
        }
    }
    for (const auto& [key, value] : json.items())
        if (key != "args" && key != "files")
            return "the request has an unknown field \"" + key + "\"";
    if (!request.args.empty() && request.args.front() == "serve")
        return "serve is not a command the page can run";
    return "";
}

ApiAnswer error_answer(unsigned status, std::string_view message) {
    ApiAnswer a;
    a.status = status;
    a.body = dump(nlohmann::json{{"error", message}}) + "\n";
    return a;
}

ApiAnswer outcome_answer(command::Outcome outcome, const std::vector<std::string>& args) {
    ApiAnswer a;
    if (outcome.status == 2) {
        a = error_answer(400, outcome.error);
    } else if (outcome.out_of_memory || outcome.cancelled) {
        a = error_answer(503, outcome.error);
    } else if (outcome.status > 2) {
        a = error_answer(500, outcome.error); // a search's result failed its check: a fault here
    } else if (outcome.status != 0 && outcome.out.empty()) {
        a = error_answer(422, outcome.error);
    } else {
        // A failing check (its guarantee does not hold) answers its figures as a success does.
        a.body = std::move(outcome.out);
        const std::string format = format_of(args);
        const bool export_text = std::find(args.begin(), args.end(), "--export=-") != args.end();
        if (format == "json" && !export_text)
            a.content_type = "application/json";
        else if (format == "csv")
            a.content_type = "text/csv; charset=utf-8";
        else
            a.content_type = "text/plain; charset=utf-8";
    }
    a.notes = std::move(outcome.notes);
    return a;
}

std::string notes_header(const std::vector<std::string>& notes) {
    return dump(nlohmann::json(notes));
}

std::string result_event(const ApiAnswer& answer) {
    const nlohmann::json data{
        {"status", answer.status}, {"body", answer.body}, {"notes", answer.notes}};
    return "event: result\ndata: " + dump(data) + "\n\n";
}

std::string progress_event(std::string_view line) {
    std::string event = "event: progress\ndata: ";
    for (char c : line) event += c == '\n' || c == '\r' ? ' ' : c;
    return event + "\n\n";
}

} // namespace lotto::web
