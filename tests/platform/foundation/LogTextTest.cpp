#include "foundation/LogText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LogTextTest, ControlAndDirectionCharactersFromOutsideAreEscapedAndTheRestKept)
{
    using namespace std::string_literals;
    struct Case {
        std::string text;
        std::string escaped;
    };
    const Case cases[] = {
        {"VIN123 Unit nine", "VIN123 Unit nine"},
        {"定期タイマー実行 连车调查", "定期タイマー実行 连车调查"},
        {"a\tb\nc\rd", "a\\tb\\nc\\rd"},
        {"nul\0here"s, "nul\\x00here"},
        {"\x1B[2Jwiped\x7F", "\\x1B[2Jwiped\\x7F"},
        // Right-to-left override, and the other marks, embeddings and isolates.
        {"car\u202Egnp.exe", "car\\u{202E}gnp.exe"},
        {"\u200E\u200F\u202A\u202B\u202C\u202D\u2066\u2067\u2068\u2069\u061C",
         "\\u{200E}\\u{200F}\\u{202A}\\u{202B}\\u{202C}\\u{202D}\\u{2066}\\u{2067}\\u{2068}\\u{2069}\\u{061C}"},
        // Line and paragraph separators, and a C1 control such as the next-line character.
        {"one\u2028two\u2029three\u0085four", "one\\u{2028}two\\u{2029}three\\u{0085}four"},
        // Bytes that are no UTF-8: a lone continuation, a cut sequence, an overlong form.
        {"\x80x\xE2\x80", "\\x80x\\xE2\\x80"},
        {"\xC0\xAF", "\\xC0\\xAF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(foundation::escapedLogText(c.text), c.escaped) << c.escaped;
}

} // namespace
