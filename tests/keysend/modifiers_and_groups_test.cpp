#include "key_send_rig.h"

namespace pultara::testing {
namespace {

using Modifiers = KeySend;

TEST_F(Modifiers, EmptyCommandSendsAndShowsNothing) {
    EXPECT_EQ(Send(""), Lines{});
    EXPECT_EQ(keyboard.pumps, 0);
}

TEST_F(Modifiers, PrefixPressesItsModifierAroundTheNextKey) {
    EXPECT_EQ(Send("+a"), (Lines{Down(kShift), Down('A'), Up('A'), Up(kShift)}));
    EXPECT_EQ(Send("^{F4}"), (Lines{Down(kCtrl), Down(0x73), Up(0x73), Up(kCtrl)}));
    EXPECT_EQ(Send("%{F4}~"), Join({{Down(kAlt)}, Tap(0x73), {Up(kAlt)}, Tap(kEnter)}));
}

TEST_F(Modifiers, KeyCodeShiftWrapsOnlyItsOwnKey) {
    EXPECT_EQ(Send("A"), Shifted('A'));
    // Pending Shift and the KeyCode's Shift each send their own events.
    EXPECT_EQ(Send("+A"), Join({{Down(kShift)}, Shifted('A'), {Up(kShift)}}));
}

TEST_F(Modifiers, PendingModifiersAreReleasedShiftCtrlAlt) {
    EXPECT_EQ(Send("%^+x"), Join({{Down(kAlt), Down(kCtrl), Down(kShift)},
                                  Tap('X'),
                                  {Up(kShift), Up(kCtrl), Up(kAlt)}}));
}

TEST_F(Modifiers, KeyCodeModifiersArePressedAndReleasedInTheSameOrder) {
    keyboard.layout[U'q'] = 0x0751;  // Shift, Ctrl and Alt with Q
    // Ctrl and Alt asked for together are marked as AltGr, unlike the "^%"
    // prefixes of the shortcut after it.
    EXPECT_EQ(Send("q^%a"), Join({{Down(kShift), AltGrPart(kCtrl, false), AltGrPart(kAlt, false)},
                                  Tap('Q'),
                                  {Up(kShift), AltGrPart(kCtrl, true), AltGrPart(kAlt, true)},
                                  {Down(kCtrl), Down(kAlt)},
                                  Tap('A'),
                                  {Up(kCtrl), Up(kAlt)}}));
    keyboard.layout[U'q'] = 0xF851;  // the other high-byte bits mean nothing
    EXPECT_EQ(Send("q"), Tap('Q'));
}

TEST_F(Modifiers, GroupKeepsModifiersDownUntilItCloses) {
    EXPECT_EQ(Send("+(ab)c"), Join({{Down(kShift)}, Tap('A'), Tap('B'), {Up(kShift)}, Tap('C')}));
    // A second "(" changes nothing: the first ")" ends the group.
    EXPECT_EQ(Send("+((a)b)"), Join({{Down(kShift)}, Tap('A'), {Up(kShift)}, Tap('B')}));
    // A ")" without a group releases the pending modifiers.
    EXPECT_EQ(Send("^)a"), Join({{Down(kCtrl), Up(kCtrl)}, Tap('A')}));
}

TEST_F(Modifiers, TildeIsEnterWithoutTheLayout) {
    keyboard.layout[U'~'] = 0xFFFF;
    EXPECT_EQ(Send("~"), Tap(kEnter));
    EXPECT_EQ(Send("+~"), Join({{Down(kShift)}, Tap(kEnter), {Up(kShift)}}));
    EXPECT_EQ(Send("{ENTER}"), Tap(kEnter));
    EXPECT_EQ(Send("{RETURN}"), Tap(kEnter));
}

TEST_F(Modifiers, EveryEventIsFollowedByThePump) {
    Send("+(ab)");
    EXPECT_EQ(keyboard.pumps, 6);
    keyboard.pumps = 0;
    keyboard.afterEvent = [&] {
        EXPECT_EQ(keyboard.pumps, static_cast<int>(log.Lines().size()) - 1);
    };
    Send("{LEFT 3}%~");
    EXPECT_EQ(keyboard.pumps, 10);
}

}  // namespace
}  // namespace pultara::testing
