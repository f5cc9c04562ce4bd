#include "web/guard.h"

#include <gtest/gtest.h>

namespace lotto::web {
namespace {

TEST(Guard, HostNamesThisServerOnly) {
    const struct {
        const char* host;
        const char* bind;
        bool allowed;
    } cases[] = {
        {"127.0.0.1:7390", "127.0.0.1", true},
        {"localhost:7390", "127.0.0.1", true},
        {"localhost", "127.0.0.1", false},         // no port
        {"127.0.0.1:7391", "127.0.0.1", false},    // another port
        {"evil.example:7390", "127.0.0.1", false}, // a name pointed here
        {"127.0.0.1.evil:7390", "127.0.0.1", false},
        {"10.0.0.5:7390", "127.0.0.1", false},   // another address, loopback bound
        {"10.0.0.5:7390", "0.0.0.0", true},      // bound everywhere: any address
        {"evil.example:7390", "0.0.0.0", false}, // but never a name
        {"[::1]:7390", "::1", true},
        {"[fe80::1]:7390", "::", true},
        {"[::1]x:7390", "::", false},
        {"", "127.0.0.1", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(host_allowed(c.host, c.bind, 7390), c.allowed) << c.host << " on " << c.bind;
}

TEST(Guard, TokenFromTheQueryOrTheBearerHeader) {
    const struct {
        const char* target;
        const char* authorization;
        const char* token;
    } cases[] = {
        {"/api/run?token=abc", "", "abc"},
        {"/api/run?x=1&token=abc&y=2", "Bearer zzz", "abc"}, // the query first
        {"/api/run", "Bearer abc", "abc"},
        {"/api/run?tokens=abc", "", ""},
        {"/api/run", "Basic abc", ""},
        {"/api/run?", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(request_token(c.target, c.authorization), c.token) << c.target;
    EXPECT_TRUE(token_matches("abc", "abc"));
    EXPECT_FALSE(token_matches("abd", "abc"));
    EXPECT_FALSE(token_matches("ab", "abc"));
    EXPECT_NE(new_token(), new_token());
    EXPECT_EQ(new_token().size(), 32u);
}

} // namespace
} // namespace lotto::web
