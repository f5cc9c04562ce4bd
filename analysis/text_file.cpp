#include "analysis/text_file.h"

#include <cassert>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

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
    // The file is opened under the name as given, and std::filesystem only explains a failure or
    // tells the size: on Windows it reads a name's bytes otherwise than the C library does (the
    // euro sign of a name in code page 1252 is "no such file" to it).
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::directory)
        return failure(path, "is a directory");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return failure(path, status.type() == std::filesystem::file_type::not_found
                                 ? "no such file"
                                 : "cannot be read");
    if (status.type() == std::filesystem::file_type::regular &&
        std::filesystem::file_size(path, ec) > max_bytes && !ec)
        return failure(path, too_large);

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

namespace {

struct Utf16 {
    bool big_endian = false;
    std::size_t start = 0; // after the byte-order mark
};

// Whether the text is UTF-16, and in which byte order. Without a byte-order mark a text is UTF-16
// only when at least three in four of its two-byte units hold an ASCII character beside a NUL
// byte, all on the same side.
std::optional<Utf16> utf16_layout(std::string_view text) {
    if (text.starts_with("\xff\xfe")) return Utf16{false, 2};
    if (text.starts_with("\xfe\xff")) return Utf16{true, 2};
    if (!std::memchr(text.data(), 0, text.size())) return std::nullopt;
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) - 1u < 0x7fu; };
    std::size_t little = 0, big = 0;
    const std::size_t units = text.size() / 2;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        little += ascii(text[i]) && text[i + 1] == 0;
        big += text[i] == 0 && ascii(text[i + 1]);
    }
    if (little * 4 >= units * 3 && units > 0) return Utf16{false, 0};
    if (big * 4 >= units * 3 && units > 0) return Utf16{true, 0};
    return std::nullopt;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3f));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

// Walks the UTF-16 units (the bytes after the byte-order mark), appending their characters to out
// in UTF-8. Returns what is wrong, after name, or "" when nothing is; an unpaired
// surrogate is named with its line, counted as for_each_line counts them.
std::string decode_utf16(std::string_view bytes, bool big_endian, std::string_view name,
                         std::string& out) {
    const std::string file(name);
    if (bytes.size() % 2 != 0) return file + ": is not valid UTF-16 text (an odd number of bytes)";
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return big_endian ? char32_t(first) << 8 | second : char32_t(second) << 8 | first;
    };
    uint32_t line = 1;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c == 0) return file + ": is not a text file";
        if (c >= 0xd800 && c <= 0xdfff) {
            const char32_t low = i + 2 < bytes.size() ? unit(i + 2) : 0;
            if (c >= 0xdc00 || low < 0xdc00 || low > 0xdfff)
                return file + ":" + std::to_string(line) +
                       ": is not valid UTF-16 text (an unpaired surrogate)";
            c = 0x10000 + ((c - 0xd800) << 10) + (low - 0xdc00);
            i += 2;
        }
        if (c == '\n' || (c == '\r' && (i + 2 >= bytes.size() || unit(i + 2) != '\n'))) ++line;
        append_utf8(out, c);
    }
    return {};
}

// Whether the text is valid UTF-8: no stray continuation byte, no overlong form, no surrogate,
// nothing beyond U+10FFFF.
bool valid_utf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        // Eight ASCII bytes at a time.
        if (i + 8 <= text.size()) {
            uint64_t eight = 0;
            std::memcpy(&eight, text.data() + i, 8);
            if ((eight & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xc2 && lead <= 0xdf   ? 2
                                   : lead >= 0xe0 && lead <= 0xef ? 3
                                   : lead >= 0xf0 && lead <= 0xf4 ? 4
                                                                  : 0;
        if (length == 0 || i + length > text.size()) return false;
        const auto second = static_cast<unsigned char>(text[i + 1]);
        // The second byte's range shuts out overlong forms, surrogates and code points beyond
        // U+10FFFF.
        const unsigned char low = lead == 0xe0 ? 0xa0 : lead == 0xf0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xed ? 0x9f : lead == 0xf4 ? 0x8f : 0xbf;
        if (second < low || second > high) return false;
        for (std::size_t k = 2; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return false;
        i += length;
    }
    return true;
}

// The characters Windows-1252 gives the bytes 80..9F; the five it leaves undefined keep their
// Latin-1 meaning, as Windows reads them.
constexpr char16_t Windows1252High[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

void append_windows_1252(std::string& out, std::string_view text) {
    out.reserve(out.size() + text.size() + text.size() / 8);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        append_utf8(out, byte >= 0x80 && byte < 0xa0 ? Windows1252High[byte - 0x80] : byte);
    }
}

} // namespace

std::string as_utf8(std::string_view& text, std::string_view name, std::string& decoded) {
    using namespace std::string_view_literals;
    if (text.starts_with("\xff\xfe\0\0"sv) || text.starts_with("\0\0\xfe\xff"sv))
        return std::string(name) +
               ": is UTF-32 text, which is not read; save it as UTF-8 or UTF-16";
    const std::optional<Utf16> utf16 = utf16_layout(text);
    if (!utf16) {
        if (std::memchr(text.data(), 0, text.size()))
            return std::string(name) + ": is not a text file";
        text = without_bom(text);
        if (!valid_utf8(text)) {
            decoded.clear();
            append_windows_1252(decoded, text);
            text = decoded;
        }
        return {};
    }
    decoded.clear();
    decoded.reserve(text.size() / 2);
    std::string fault = decode_utf16(text.substr(utf16->start), utf16->big_endian, name, decoded);
    if (fault.empty()) text = decoded;
    return fault;
}

std::string text_fault(std::string_view text, std::string_view name) {
    std::string decoded;
    return as_utf8(text, name, decoded);
}

std::string_view utf8_text(std::string_view text, std::string& decoded) {
    [[maybe_unused]] const std::string fault = as_utf8(text, "", decoded);
    assert(fault.empty());
    return text;
}

std::string_view replaced(std::string_view text, std::initializer_list<SameSize> replacements,
                          std::string& out) {
    bool any = false;
    for (const SameSize& r : replacements) {
        assert(r.from.size() == r.to.size() && !r.from.empty());
        std::size_t at = (any ? std::string_view(out) : text).find(r.from);
        if (at == std::string_view::npos) continue;
        if (!any) out.assign(text), any = true;
        for (; at != std::string::npos; at = out.find(r.from, at))
            out.replace(at, r.to.size(), r.to);
    }
    return any ? std::string_view(out) : text;
}

std::string_view plain_spaces(std::string_view text, std::string& spaced) {
    return replaced(text,
                    {{"\xc2\xa0", "  "},
                     {"\xe2\x80\x87", "   "},
                     {"\xe2\x80\x89", "   "},
                     {"\xe2\x80\xaf", "   "}},
                    spaced);
}

} // namespace lotto
