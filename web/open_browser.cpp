#include "web/open_browser.h"

#ifdef _WIN32
// windows.h first: shellapi.h needs its types.
#include <windows.h>

#include <shellapi.h>
#else
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
extern char** environ;
#endif

namespace lotto::web {

#ifdef _WIN32

std::string open_browser(const std::string& url) {
    const HINSTANCE done =
        ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(done) <= 32) return "the shell could not open the browser";
    return "";
}

#else

std::string open_browser(const std::string& url) {
    // The address holds only the host, port and hexadecimal token: no shell reads it.
    char program[] = "xdg-open";
    std::string address = url;
    char* argv[] = {program, address.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0)
        return "xdg-open could not be started";
    std::thread([child] {
        int status = 0;
        waitpid(child, &status, 0);
    }).detach();
    return "";
}

#endif

} // namespace lotto::web
