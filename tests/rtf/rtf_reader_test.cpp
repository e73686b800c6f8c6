#include "rtf_reader.h"

#include <gtest/gtest.h>

namespace pultara::rtf {
namespace {

Document ReadOk(std::string_view text) {
    std::optional<Document> document = Read(text);
    EXPECT_TRUE(document.has_value());
    return document.value_or(Document{});
}

TEST(RtfParagraphs, ParSeparatesParagraphsAndSourceLineBreaksDoNot) {
    const Document d = ReadOk("{\\rtf1\\ansi Erste Zeile\nweiter\\par Zweite\\par\r\n}");
    ASSERT_EQ(d.paragraphs.size(), 2u);
    EXPECT_EQ(d.PlainText(), "Erste Zeileweiter\nZweite");
    EXPECT_EQ(ReadOk("{\\rtf1 a\\line b\\tab c}").PlainText(), "a\nb\tc");
}

TEST(RtfFormat, BoldItalicUnderlineAndSizesFollowGroups) {
    const Document d =
        ReadOk("{\\rtf1 {\\b\\fs32 Titel}\\par normal \\i kursiv\\i0  \\ul u\\ulnone}");
    ASSERT_EQ(d.paragraphs.size(), 2u);
    const rtf::Run& title = d.paragraphs[0].runs.at(0);
    EXPECT_EQ(title.text, "Titel");
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.halfPoints, 32);
    const std::vector<rtf::Run>& runs = d.paragraphs[1].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].text, "normal ");
    EXPECT_FALSE(runs[0].bold);
    EXPECT_EQ(runs[0].halfPoints, 24);  // the group's size ended with it
    EXPECT_TRUE(runs[1].italic);
    EXPECT_EQ(runs[1].text, "kursiv");
    EXPECT_FALSE(runs[2].italic);
    EXPECT_TRUE(runs[3].underline);
    EXPECT_EQ(ReadOk("{\\rtf1\\b\\i\\fs40 x\\plain y}").paragraphs[0].runs[1].bold, false);
}

TEST(RtfEscapes, CharactersArriveAsUtf8) {
    EXPECT_EQ(ReadOk("{\\rtf1\\ansi\\ansicpg1252 Gr\\'fc\\'dfe \\'80 \\'93x\\'94}").PlainText(),
              "Grüße € “x”");
    EXPECT_EQ(ReadOk("{\\rtf1 \\{a\\} \\\\ b\\~c\\_d}").PlainText(), "{a} \\ b\u00A0c-d");
    EXPECT_EQ(ReadOk("{\\rtf1 \\emdash\\bullet\\lquote x\\rquote}").PlainText(), "—•‘x’");
    // Raw bytes of the code page are read too.
    EXPECT_EQ(ReadOk("{\\rtf1 Gr\xfc\xdf}").PlainText(), "Grüß");
}

TEST(RtfEscapes, UnicodeSkipsItsFallbackCharacters) {
    EXPECT_EQ(ReadOk("{\\rtf1 \\u8364?x}").PlainText(), "€x");
    EXPECT_EQ(ReadOk("{\\rtf1\\uc2 \\u8364\\'80?x}").PlainText(), "€x");
    EXPECT_EQ(ReadOk("{\\rtf1\\uc0 \\u8364 x}").PlainText(), "€x");
    EXPECT_EQ(ReadOk("{\\rtf1 \\u-3913?}").PlainText(), "\uF0B7");  // negative: above 32767
    EXPECT_EQ(ReadOk("{\\rtf1 \\u55357?}").PlainText(), "\uFFFD");  // a lone surrogate half
}

TEST(RtfDestinations, TablesPicturesAndStarredGroupsAreSkipped) {
    const Document d = ReadOk(
        "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
        "{\\*\\generator Riched20;}{\\info{\\title T}}{\\pict\\pngblip 89504e47}"
        "{\\*\\unknowndest text\\par}Inhalt\\par}");
    EXPECT_EQ(d.PlainText(), "Inhalt");
}

TEST(RtfRobustness, OnlyRtfIsAcceptedAndBrokenRtfStillReads) {
    EXPECT_FALSE(Read("Nur Text").has_value());
    EXPECT_FALSE(Read("").has_value());
    EXPECT_FALSE(Read("x{\\rtf1 x}").has_value());
    EXPECT_EQ(ReadOk("\xEF\xBB\xBF \r\n{\\rtf1 x}").PlainText(), "x");
    EXPECT_EQ(ReadOk("{\\rtf1 offen {\\b fett").PlainText(), "offen fett");
    EXPECT_EQ(ReadOk("{\\rtf1 a}}}b}").PlainText(), "ab");
    EXPECT_EQ(ReadOk("{\\rtf1 x\\").PlainText(), "x");
    EXPECT_EQ(ReadOk("{\\rtf1 \\'4").PlainText(), "\x04");
    EXPECT_EQ(ReadOk("{\\rtf1 \\fs99999999999999 x\\u99999999999?}").PlainText(), "x\uFFFD");
    // Nesting far beyond the limit neither fails nor loses text.
    const std::string deep =
        "{\\rtf1 " + std::string(5000, '{') + "tief" + std::string(5000, '}') + " aus}";
    EXPECT_EQ(ReadOk(deep).PlainText(), "tief aus");
}

}  // namespace
}  // namespace pultara::rtf
