// What the server checks before it answers: the Host a request names and the token of this start.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lotto::web {

// A fresh token for one start of the server: 32 hexadecimal digits from the system's random source.
std::string new_token();

// Whether a request's Host header names this server: the bound address or localhost (bound to
// every address, any IP address), with the port. A page from another name that resolves here
// (DNS rebinding) names its own host.
bool host_allowed(std::string_view host, std::string_view bind, uint16_t port);

// The token a request carries: ?token= in its target, else "Authorization: Bearer T"; "" if none.
std::string request_token(std::string_view target, std::string_view authorization);

// Whether given equals token, in a time that does not depend on where they differ.
bool token_matches(std::string_view given, std::string_view token);

// The address as a URL's host: IPv6 addresses in brackets.
std::string url_host(std::string_view address);

} // namespace lotto::web
