#include "key_send_rig.h"

namespace pultara::testing {
namespace {

// Modifiers pressed by "+", "^" and "%" never outlive the command.
using NoStuckModifiers = KeySend;

TEST_F(NoStuckModifiers, OpenGroupAtTheEndIsReleased) {
    EXPECT_EQ(Send("+(ab"), Join({{Down(kShift)}, Tap('A'), Tap('B'), {Up(kShift)}}));
    EXPECT_EQ(Send("%^+("),
              (Lines{Down(kAlt), Down(kCtrl), Down(kShift), Up(kShift), Up(kCtrl), Up(kAlt)}));
    EXPECT_TRUE(NothingDown());
}

TEST_F(NoStuckModifiers, UntypableLastCharacterIsReleased) {
    EXPECT_EQ(Send("^€"), (Lines{Down(kCtrl), Box("Invalid KeyName"), Up(kCtrl)}));
    EXPECT_EQ(Send("^{FOO}"), (Lines{Down(kCtrl), Box("Invalid Key Name"), Up(kCtrl)}));
}

// The built-in US layout answers control characters as Windows' lookup does:
// Escape is Ctrl+[, not "{"; the others are Ctrl with their letter.
TEST_F(KeySend, ControlCharactersAreCtrlCombinations) {
    EXPECT_EQ(Send("\x1b"), Join({{Down(kCtrl)}, Tap(0xDB), {Up(kCtrl)}}));
    EXPECT_EQ(Send("\x03"), Join({{Down(kCtrl)}, Tap('C'), {Up(kCtrl)}}));
}

TEST_F(NoStuckModifiers, UnclosedBraceReleasesBeforeItsMessage) {
    EXPECT_EQ(Send("^+{LEFT"),
              (Lines{Down(kCtrl), Down(kShift), Up(kShift), Up(kCtrl), Box("No Close")}));
    EXPECT_EQ(Send("%(a{"), Join({{Down(kAlt)}, Tap('A'), {Up(kAlt), Box("No Close")}}));
    EXPECT_TRUE(NothingDown());
}

TEST_F(NoStuckModifiers, MalformedCountReleasesBeforeTheErrorLeaves) {
    EXPECT_THROW(Send("+^%(a{LEFT -}b)"), KeyCommandError);
    EXPECT_EQ(log.Lines(), Join({{Down(kShift), Down(kCtrl), Down(kAlt)},
                                 Tap('A'),
                                 {Up(kShift), Up(kCtrl), Up(kAlt)}}));
    EXPECT_TRUE(NothingDown());
}

TEST_F(NoStuckModifiers, ErrorFromInsideABoxStillReleases) {
    dialogs.whileOpen = [] { throw std::runtime_error("closed by force"); };
    EXPECT_THROW(Send("+€"), std::runtime_error);
    EXPECT_EQ(log.Lines(), (Lines{Down(kShift), Box("Invalid KeyName"), Up(kShift)}));
}

// A "}" after a named group is a character of its own.
using ClosingBraceAfterAGroup = KeySend;

TEST_F(ClosingBraceAfterAGroup, TypesTheGroupThenTheBrace) {
    EXPECT_EQ(Send("{ENTER}}"), Join({Tap(kEnter), Shifted(0xDD)}));
    EXPECT_EQ(Send("+{a}}"), Join({{Down(kShift)}, Shifted('A'), {Up(kShift)}, Shifted(0xDD)}));
    EXPECT_EQ(Send("{LEFT 2}}"), Join({TapExt(kLeft), TapExt(kLeft), Shifted(0xDD)}));
}

TEST_F(ClosingBraceAfterAGroup, OnlyAnEmptyGroupIsTheEscape) {
    EXPECT_EQ(Send("{}}}"), Join({Shifted(0xDD), Shifted(0xDD)}));
    EXPECT_EQ(Send("{}}a"), Join({Shifted(0xDD), Tap('A')}));
}

// Num Lock is switched with a real key press.
using NumLock = KeySend;

TEST_F(NumLock, IsOneExtendedPressWhateverTheCount) {
    for (const std::string command : {"{NUMLOCK}", "{numlock 5}", "{NUMLOCK 0}"}) {
        EXPECT_EQ(Send(command), TapExt(0x90)) << command;
    }
    EXPECT_EQ(Send("+{NUMLOCK}a"), Join({{Down(kShift)}, TapExt(0x90), {Up(kShift)}, Tap('A')}));
    keyboard.layout[U'q'] = 0x0190;  // a layout key that is Num Lock
    EXPECT_EQ(Send("q"), Join({{Down(kShift)}, TapExt(0x90), {Up(kShift)}}));
}

// At most one key-error box is open at a time.
using OneErrorBox = KeySend;

TEST_F(OneErrorBox, ErrorsOfCommandsRunInsideTheBoxAreNotShown) {
    // A held repeating command runs again on every tick while its box is open.
    int ticks = 0;
    dialogs.whileOpen = [&] {
        for (; ticks < 3; ++ticks) {
            sender.SendKeys("{FOO}a");
        }
    };
    EXPECT_EQ(Send("{FOO}b"),
              Join({{Box("Invalid Key Name")}, Tap('A'), Tap('A'), Tap('A'), Tap('B')}));
    EXPECT_EQ(dialogs.deepestNesting, 1);
}

TEST_F(OneErrorBox, NestedCommandCarriesOnPastEachKindOfError) {
    dialogs.whileOpen = [&] { sender.SendKeys("€a{BAR}b{{}c{d"); };
    EXPECT_EQ(Send("{FOO}"),
              Join({{Box("Invalid Key Name")}, Tap('A'), Tap('B'), Shifted(0xDB), Tap('C')}));
    EXPECT_EQ(dialogs.deepestNesting, 1);
}

TEST_F(OneErrorBox, NextErrorAfterTheBoxClosedIsShownAgain) {
    EXPECT_EQ(Send("€{FOO}{"),
              (Lines{Box("Invalid KeyName"), Box("Invalid Key Name"), Box("No Close")}));
    dialogs.whileOpen = [] { throw std::runtime_error("closed by force"); };
    EXPECT_THROW(Send("€"), std::runtime_error);
    dialogs.whileOpen = nullptr;
    EXPECT_EQ(Send("€"), Lines{Box("Invalid KeyName")});
}

}  // namespace
}  // namespace pultara::testing
