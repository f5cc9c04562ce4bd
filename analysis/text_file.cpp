#include "analysis/text_file.h"

#include <cstring>
#include <filesystem>
#include <fstream>

namespace lotto {

namespace {

TextFile failure(std::string_view path, std::string_view what) {
    TextFile f;
    f.error = std::string(path) + ": " + std::string(what);
    return f;
}

} // namespace

TextFile read_text_file(const std::string& path, std::size_t max_bytes,
                        std::string_view too_large) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return failure(path, "no such file");
    if (ec) return failure(path, "cannot be read");
    if (status.type() == std::filesystem::file_type::directory)
        return failure(path, "is a directory");
    if (status.type() == std::filesystem::file_type::regular &&
        std::filesystem::file_size(path, ec) > max_bytes && !ec)
        return failure(path, too_large);

    std::ifstream in(path, std::ios::binary);
    TextFile f;
    char chunk[1 << 16];
    while (in) {
        in.read(chunk, sizeof chunk);
        f.text.append(chunk, static_cast<std::size_t>(in.gcount()));
        // A device or pipe has no size to check beforehand.
        if (f.text.size() > max_bytes) return failure(path, too_large);
    }
    if (!in.eof() || in.bad()) return failure(path, "cannot be read");
    return f;
}

std::string text_fault(std::string_view text, std::string_view name) {
    if (text.starts_with("\xff\xfe") || text.starts_with("\xfe\xff"))
        return std::string(name) + ": is UTF-16 text; save it as UTF-8 or plain text";
    if (std::memchr(text.data(), 0, text.size())) return std::string(name) + ": is not a text file";
    return {};
}

} // namespace lotto
