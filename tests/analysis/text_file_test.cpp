// The text the readers of histories and ticket files take: UTF-16 in either byte order, with a
// byte-order mark or told by its NUL bytes, decoded into UTF-8; plain and UTF-8 text as it is; and
// the faults of text that is neither, each naming the file.
#include "analysis/text_file.h"
#include "tests/app/support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace lotto {
namespace {

using test::utf16_bytes;

TEST(TextFile, ReadsUtf16AsUtf8AndOtherTextAsItIs) {
    const std::u16string mixed = u"\uFEFF1\t\u00e9\u20ac\U0001F600\r\n";
    // the file's bytes, the text read from them
    const std::pair<std::string, std::string> cases[] = {
        {utf16_bytes(mixed, false), "1\t\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\r\n"},
        {utf16_bytes(mixed, true), "1\t\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\r\n"},
        // No byte-order mark: three in four characters are ASCII beside a NUL byte.
        {utf16_bytes(u"\u00e9 12", false), "\xc3\xa9 12"},
        {utf16_bytes(u"\u00e9 12", true), "\xc3\xa9 12"},
        {"\xef\xbb\xbf"
         "1,2\r\n",
         "1,2\r\n"},
        {"1,2\r\n\xc3\xa9", "1,2\r\n\xc3\xa9"},
    };
    for (const auto& [bytes, text] : cases) {
        ASSERT_EQ(text_fault(bytes, "f.txt"), "") << text;
        std::string decoded;
        EXPECT_EQ(utf8_text(bytes, decoded), text);
    }
}

TEST(TextFile, NamesWhatIsWrong) {
    const std::u16string lone_high(1, char16_t{0xd800}), lone_low(1, char16_t{0xdc00});
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
        {utf16_bytes(std::u16string(u"\uFEFF1\0"
                                    u"2",
                                    4),
                     false),
         "f.txt: is not a text file"},
        // Two in four ASCII beside a NUL byte are not enough to tell UTF-16 without its mark.
        {utf16_bytes(u"\u00e9\u00e9 1", false), "f.txt: is not a text file"},
    };
    for (const auto& [bytes, fault] : cases) EXPECT_EQ(text_fault(bytes, "f.txt"), fault);
}

} // namespace
} // namespace lotto
