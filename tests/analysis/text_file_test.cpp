// The text the readers of histories and ticket files take: UTF-16 in either byte order, with a
// byte-order mark or told by its NUL bytes, decoded into UTF-8; UTF-8 text as it is; other text
// read as Windows-1252; and the faults of text that is none of these, each naming the file.
#include "analysis/text_file.h"
#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace lotto {
namespace {

using test::utf16_bytes;
using namespace std::string_literals;

// UTF-16 is decoded, UTF-8 stays as it is, and a text that is not valid UTF-8 as a whole is
// Windows-1252, each byte a character of its own.
TEST(TextFile, ReadsUtf16AsUtf8AndOtherTextAsItIsOrAsWindows1252) {
    const std::u16string mixed = u"\uFEFF1\t\u00e9\u20ac\U0001F600\r\n";
    // the file's bytes, the text read from them
    const std::pair<std::string, std::string> cases[] = {
        {utf16_bytes(mixed, false), "1\t\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\r\n"},
        {utf16_bytes(mixed, true), "1\t\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\r\n"},
        // No byte-order mark: three in four characters are ASCII beside a NUL byte.
        {utf16_bytes(u"\u00e9 12", false), "\xc3\xa9 12"},
        {utf16_bytes(u"\u00e9 12", true), "\xc3\xa9 12"},
        {"\xef\xbb\xbf\x31,2\r\n", "1,2\r\n"},
        {"1,2\r\n\xc3\xa9", "1,2\r\n\xc3\xa9"},
        {"Till\xe4gg;Gr\xfc\xdf\r\n", "Till\xc3\xa4gg;Gr\xc3\xbc\xc3\x9f\r\n"},
        {"\x80\x96\x9f\x81", "\xe2\x82\xac\xe2\x80\x93\xc5\xb8\xc2\x81"},
        // One byte that is not UTF-8 makes the whole file Windows-1252.
        {"\xc3\xa4 \xe4", "\xc3\x83\xc2\xa4 \xc3\xa4"},
        {"\xef\xbb\xbf\xe4", "\xc3\xa4"},
        // An overlong form, a surrogate, a code point beyond U+10FFFF, a cut sequence.
        {"\xc1\xa4", "\xc3\x81\xc2\xa4"},
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},
        {"\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xe2\x82\xac\xe2\x82\xac"},
        {"1 \xe2\x82", "1 \xc3\xa2\xe2\x80\x9a"},
        // Valid UTF-8 up to U+10FFFF stays as it is.
        {"\xf4\x8f\xbf\xbf\xed\x9f\xbf", "\xf4\x8f\xbf\xbf\xed\x9f\xbf"},
    };
    for (const auto& [bytes, text] : cases) {
        ASSERT_EQ(text_fault(bytes, "f.txt"), "") << text;
        std::string decoded;
        EXPECT_EQ(utf8_text(bytes, decoded), text) << bytes;
    }
}

TEST(TextFile, NamesWhatIsWrong) {
    const std::u16string lone_high(1, char16_t{0xd800}), lone_low(1, char16_t{0xdc00});
    const std::string utf32 =
        "f.txt: is UTF-32 text, which is not read; save it as UTF-8 or UTF-16";
    // the file's bytes, the fault
    const std::pair<std::string, std::string> cases[] = {
        {utf16_bytes(u"\uFEFF1", false) + "2",
         "f.txt: is not valid UTF-16 text (an odd number of bytes)"},
        // Lines end at CR LF, CR and LF, as the readers count them.
        {utf16_bytes(u"\uFEFF1\r\n2\r3\n" + lone_high, true),
         "f.txt:4: is not valid UTF-16 text (an unpaired surrogate)"},
        {utf16_bytes(u"\uFEFF" + lone_high + u"x", false),
         "f.txt:1: is not valid UTF-16 text (an unpaired surrogate)"},
        {utf16_bytes(u"\uFEFF" + lone_high + u"\uE000", false),
         "f.txt:1: is not valid UTF-16 text (an unpaired surrogate)"},
        {utf16_bytes(u"\uFEFF1\n" + lone_low + lone_low, false),
         "f.txt:2: is not valid UTF-16 text (an unpaired surrogate)"},
        {utf16_bytes(u"\uFEFF1\0\x32"s, false), "f.txt: is not a text file"},
        {"\xff\xfe\0\0\x31\0\0\0"s, utf32},
        {"\0\0\xfe\xff\0\0\0\x31"s, utf32},
        // Two in four ASCII beside a NUL byte are not enough to tell UTF-16 without its mark.
        {utf16_bytes(u"\u00e9\u00e9 1", false), "f.txt: is not a text file"},
    };
    for (const auto& [bytes, fault] : cases) EXPECT_EQ(text_fault(bytes, "f.txt"), fault);
}

} // namespace
} // namespace lotto
