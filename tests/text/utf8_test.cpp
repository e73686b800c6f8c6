// The UTF-8 helpers shared by key commands, the settings file and the help
// text: what is well-formed comes back unchanged, nothing ill-formed is
// taken for a character, and nothing ill-formed is ever written.
#include <gtest/gtest.h>

#include <string>

#include "text/utf8.h"

namespace pultara {
namespace {

std::string Encoded(char32_t c) {
    std::string out;
    AppendUtf8(out, c);
    return out;
}

TEST(Utf8, EveryLengthRoundTripsAtItsBoundaries) {
    for (char32_t c :
         {U'\0', U'\x7F', U'\x80', U'\u00E4', U'\u07FF', U'\u0800', U'\u20AC', U'\uD7FF', U'\uE000',
          U'\uFFFF', U'\U00010000', U'\U0001F3AE', U'\U0010FFFF'}) {
        const std::string bytes = Encoded(c);
        const Utf8Sequence back = DecodeUtf8At(bytes, 0);
        EXPECT_EQ(back.character, c) << static_cast<unsigned>(c);
        EXPECT_EQ(back.length, bytes.size()) << static_cast<unsigned>(c);
    }
    EXPECT_EQ(Encoded(U'\u00E4'), "\xC3\xA4");
    EXPECT_EQ(Encoded(U'\U0001F3AE'), "\xF0\x9F\x8E\xAE");
}

TEST(Utf8, WhatUtf8CannotCarryIsWrittenAsTheReplacementCharacter) {
    EXPECT_EQ(Encoded(0xD800), "\xEF\xBF\xBD");
    EXPECT_EQ(Encoded(0xDFFF), "\xEF\xBF\xBD");
    EXPECT_EQ(Encoded(0x110000), "\xEF\xBF\xBD");
}

TEST(Utf8, IllFormedBytesAreNoCharacter) {
    for (const char* bytes : {
             "\x80",              // continuation byte without a lead
             "\xC0\x80",          // overlong NUL
             "\xC1\xBF",          // overlong
             "\xE0\x9F\xBF",      // overlong three-byte form
             "\xF0\x8F\xBF\xBF",  // overlong four-byte form
             "\xED\xA0\x80",      // surrogate half
             "\xF4\x90\x80\x80",  // beyond U+10FFFF
             "\xF5\x80\x80\x80",  // lead byte that never starts a sequence
             "\xC3",              // cut short by the end
             "\xE2\x82",          // cut short by the end
             "\xC3\x41",          // lead followed by a plain character
         }) {
        EXPECT_EQ(DecodeUtf8At(bytes, 0).length, 0u) << testing::PrintToString(bytes);
    }
}

TEST(Utf8, DecodesInTheMiddleOfAText) {
    const std::string text = "a\xC3\xA4\xE2\x82\xAC";
    EXPECT_EQ(DecodeUtf8At(text, 1).character, U'\u00E4');
    EXPECT_EQ(DecodeUtf8At(text, 3).character, U'\u20AC');
    EXPECT_EQ(DecodeUtf8At(text, 2).length, 0u);  // inside a sequence
}

}  // namespace
}  // namespace pultara
