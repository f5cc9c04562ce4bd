// Reading a whole text file into memory, and walking its lines: shared by the readers of draw
// histories and ticket files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace lotto {

struct TextFile {
    std::string text;
    std::string error; // "" when read; else "PATH: what is wrong"
    bool ok() const { return error.empty(); }
};

// Reads the file at path. A missing file, a directory, a file that cannot be read and one over
// max_bytes are errors; too_large is what the message says of the last ("is too large ...").
TextFile read_text_file(const std::string& path, std::size_t max_bytes, std::string_view too_large);

// What is wrong with the text for a reader of text lines ("is not a text file", "is not valid
// UTF-16 text (...)", "is UTF-32 text, which is not read; ..."), or "" when nothing is; name is
// what the message calls the file.
std::string text_fault(std::string_view text, std::string_view name);

// The text in UTF-8 without a byte-order mark, for a text with no text_fault. UTF-16 text, told by
// its byte-order mark (FF FE little-endian, FE FF big-endian) or, without one, by a NUL byte
// beside each of at least three in four of its characters (ASCII ones), is decoded into decoded,
// which the result views; so is other text that is not valid UTF-8 as a whole, read as
// Windows-1252 (Latin-1 with the printable characters Windows puts at 80..9F: a file saved in a
// Western European Windows code page). Valid UTF-8 is returned as it is, without a byte-order
// mark.
std::string_view utf8_text(std::string_view text, std::string& decoded);

// text_fault and utf8_text in one pass: what is wrong with the text (as text_fault says), or ""
// with text set to its UTF-8 (in decoded where it had to be decoded).
std::string as_utf8(std::string_view& text, std::string_view name, std::string& decoded);

// A character's bytes and as many bytes to put in their place, so that every place in a text
// stays where it was.
struct SameSize {
    std::string_view from, to;
};

// The text with every occurrence of each from replaced by its to; in out, which the result then
// views, when the text holds any.
std::string_view replaced(std::string_view text, std::initializer_list<SameSize> replacements,
                          std::string& out);

// The text with the spaces other than U+0020 that web pages, word processors and spreadsheets put
// between numbers and in dates (no-break U+00A0, figure U+2007, thin U+2009 and narrow no-break
// U+202F, in UTF-8) made plain spaces, one for each of their bytes (replaced).
std::string_view plain_spaces(std::string_view text, std::string& spaced);

// The text without a leading UTF-8 byte-order mark.
constexpr std::string_view without_bom(std::string_view text) {
    return text.starts_with("\xef\xbb\xbf") ? text.substr(3) : text;
}

// Calls visit(line, number) for every line of the text (ended by LF, CR LF or CR), numbered
// from 1; a visit that returns bool stops the walk by returning false.
template <class Visit> void for_each_line(std::string_view text, Visit&& visit) {
    uint32_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        const std::string_view line = text.substr(start, end - start);
        if constexpr (std::is_same_v<std::invoke_result_t<Visit&, std::string_view, uint32_t>,
                                     bool>) {
            if (!visit(line, ++number)) return;
        } else {
            visit(line, ++number);
        }
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
}

} // namespace lotto
