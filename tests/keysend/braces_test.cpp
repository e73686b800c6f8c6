#include "key_send_rig.h"

namespace pultara::testing {
namespace {

using Braces = KeySend;

TEST_F(Braces, NamesAreUpperCased) {
    EXPECT_EQ(Send("{enter}"), Tap(kEnter));
    EXPECT_EQ(Send("{Back}"), Tap(0x08));
    EXPECT_EQ(Send("{pGuP}"), TapExt(0x21));
}

TEST_F(Braces, OneCharacterGoesThroughTheLayoutUpperCased) {
    EXPECT_EQ(Send("{a}"), Shifted('A'));
    EXPECT_EQ(Send("{a 3}"), Join({{Down(kShift)}, Tap('A'), Tap('A'), Tap('A'), {Up(kShift)}}));
    EXPECT_EQ(Send("{+}"), Shifted(0xBB));
    EXPECT_EQ(Send("{^}"), Shifted('6'));
    EXPECT_EQ(Send("{%}"), Shifted('5'));
    EXPECT_EQ(Send("{~}"), Shifted(0xC0));
    EXPECT_EQ(Send("{(}"), Shifted('9'));
    EXPECT_EQ(Send("{)}"), Shifted('0'));
    EXPECT_EQ(Send("{1}"), Tap('1'));
}

TEST_F(Braces, UpperCasingIsAsciiOnly) {
    keyboard.layout[U'ä'] = 0xDE;
    keyboard.layout[U'Ä'] = 0x1DE;
    EXPECT_EQ(Send("{ä}"), Tap(0xDE));
}

TEST_F(Braces, OneCharacterTheLayoutCannotTypeIsSkippedSilently) {
    EXPECT_EQ(Send("{€}a"), Tap('A'));
    EXPECT_EQ(Send("+{€}a"), Join({{Down(kShift)}, Tap('A'), {Up(kShift)}}));
}

TEST_F(Braces, BraceEscapesTypeTheBraceKeys) {
    EXPECT_EQ(Send("{{}"), Shifted(0xDB));
    EXPECT_EQ(Send("{}}"), Shifted(0xDD));
    EXPECT_EQ(Send("+{{}a"), Join({{Down(kShift)}, Shifted(0xDB), {Up(kShift)}, Tap('A')}));
    // The third character of "{{}" is skipped whatever it is.
    EXPECT_EQ(Send("{{xa"), Join({Shifted(0xDB), Tap('A')}));
    EXPECT_EQ(Send("{{"), Shifted(0xDB));
}

TEST_F(Braces, BraceTextKeepsItsFirstTwentyCharacters) {
    // "SCROLLLOCK 123456789" is kept: 123456789 mod 65536 = 52501 presses.
    const Lines lines = Send("{SCROLLLOCK 1234567890}");
    ASSERT_EQ(lines.size(), 2u * 52501);
    EXPECT_EQ(lines.front(), Down(0x91));
    EXPECT_EQ(lines.back(), Up(0x91));
    // Characters past the twentieth are read and dropped up to the "}".
    EXPECT_EQ(Send("{LEFT 000000000000002junk}a"), Join({TapExt(kLeft), TapExt(kLeft), Tap('A')}));
    // The limit counts characters, not bytes.
    keyboard.layout[U'ä'] = 0xDE;
    EXPECT_EQ(Send("{ä 000000000000000003}"), Join({Tap(0xDE), Tap(0xDE), Tap(0xDE)}));
}

TEST_F(Braces, UnknownNamesShowAMessageAndTypeNothing) {
    EXPECT_EQ(Send("{BACKSPACE}a"), Join({{Box("Invalid Key Name")}, Tap('A')}));
    EXPECT_EQ(Send("{}a"), Join({{Box("Invalid Key Name")}, Tap('A')}));
    EXPECT_EQ(Send("{ 3}"), Lines{Box("Invalid Key Name")});
    // The prefix modifiers stay down for the next key typed.
    EXPECT_EQ(Send("+{FOO}a"),
              Join({{Down(kShift), Box("Invalid Key Name")}, Tap('A'), {Up(kShift)}}));
}

TEST_F(Braces, UnclosedBraceStopsTheCommand) {
    EXPECT_EQ(Send("abc{"), Join({Tap('A'), Tap('B'), Tap('C'), {Box("No Close")}}));
    EXPECT_EQ(Send("{LEFT 3"), Lines{Box("No Close")});
    EXPECT_EQ(Send("{{}{"), Join({Shifted(0xDB), {Box("No Close")}}));
}

}  // namespace
}  // namespace pultara::testing
