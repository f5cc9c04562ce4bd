#include "web/guard.h"

#include <random>

namespace lotto::web {

namespace {
constexpr auto npos = std::string_view::npos;
}

std::string new_token() {
    std::random_device source;
    static constexpr char digits[] = "0123456789abcdef";
    std::string token;
    for (int i = 0; i < 4; ++i) {
        uint32_t bits = source();
        for (int j = 0; j < 8; ++j, bits >>= 4) token += digits[bits & 15];
    }
    return token;
}

std::string url_host(std::string_view address) {
    if (address.find(':') == std::string_view::npos) return std::string(address);
    std::string host = "[";
    host += address;
    host += ']';
    return host;
}

bool host_allowed(std::string_view host, std::string_view bind, uint16_t port) {
    const std::string port_text = std::to_string(port);
    const std::size_t colon = host.rfind(':');
    if (colon == std::string_view::npos || host.substr(colon + 1) != port_text) return false;
    const std::string_view name = host.substr(0, colon);
    if (name == url_host(bind) || name == "localhost") return true;
    // Bound to every address, the server is reached by any of the machine's: an address, never a
    // name (which a page could have pointed here).
    const bool everywhere = bind == "0.0.0.0" || bind == "::";
    const bool ipv4 = !name.empty() && name.find_first_not_of("0123456789.") == npos;
    const bool ipv6 = name.size() > 2 && name.front() == '[' && name.back() == ']' &&
                      name.find_first_not_of("0123456789abcdefABCDEF:.", 1) == name.size() - 1;
    return everywhere && (ipv4 || ipv6);
}

std::string request_token(std::string_view target, std::string_view authorization) {
    const std::size_t query = target.find('?');
    if (query != std::string_view::npos) {
        std::string_view rest = target.substr(query + 1);
        while (!rest.empty()) {
            const std::size_t amp = rest.find('&');
            const std::string_view pair = rest.substr(0, amp);
            if (pair.starts_with("token=")) return std::string(pair.substr(6));
            if (amp == std::string_view::npos) break;
            rest.remove_prefix(amp + 1);
        }
    }
    constexpr std::string_view bearer = "Bearer ";
    if (authorization.starts_with(bearer)) return std::string(authorization.substr(bearer.size()));
    return "";
}

bool token_matches(std::string_view given, std::string_view token) {
    if (given.size() != token.size()) return false;
    unsigned char differ = 0;
    for (std::size_t i = 0; i < token.size(); ++i)
        differ |= static_cast<unsigned char>(given[i] ^ token[i]);
    return differ == 0;
}

} // namespace lotto::web
