// Opens the player's default browser on an address of this server.
#pragma once

#include <string>

namespace lotto::web {

// Starts the default browser on url (xdg-open on Linux, the shell on Windows) and does not wait
// for it; returns "" or why it could not be started.
std::string open_browser(const std::string& url);

} // namespace lotto::web
