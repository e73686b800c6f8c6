#include "key_send_rig.h"

namespace pultara::testing {
namespace {

using Errors = KeySend;

TEST_F(Errors, UntypableCharacterIsSkippedWithItsOwnMessage) {
    EXPECT_EQ(Send("a€b"), Join({Tap('A'), {Box("Invalid KeyName")}, Tap('B')}));
}

TEST_F(Errors, PendingModifiersWaitForTheNextTypedKey) {
    EXPECT_EQ(Send("+€a"), Join({{Down(kShift), Box("Invalid KeyName")}, Tap('A'), {Up(kShift)}}));
}

TEST_F(Errors, UndecodableBytesAreCharactersTheLayoutCannotType) {
    EXPECT_EQ(Send("a\xFF\xC3z"),
              Join({Tap('A'), {Box("Invalid KeyName"), Box("Invalid KeyName")}, Tap('Z')}));
    EXPECT_EQ(Send("{\xFF}a"), Tap('A'));
    EXPECT_THROW(Send("{A \xFF}"), KeyCommandError);
}

TEST_F(Errors, CommandEndsAtTheFirstNul) {
    EXPECT_EQ(Send(std::string("ab\0c", 4)), Join({Tap('A'), Tap('B')}));
}

TEST_F(Errors, NestedCommandInsideABoxLeavesTheOuterOneAlone) {
    // A tick that runs while the box is open types its own command.
    dialogs.whileOpen = [&] { sender.SendKeys("x)"); };
    EXPECT_EQ(Send("+(a€b)"), Join({{Down(kShift)},
                                    Tap('A'),
                                    {Box("Invalid KeyName")},
                                    Tap('X'),
                                    Tap('B'),
                                    {Up(kShift)}}));
    EXPECT_TRUE(NothingDown());
}

TEST_F(Errors, MalformedCountInANestedCommandReachesOnlyItsCaller) {
    std::string nestedError;
    dialogs.whileOpen = [&] {
        try {
            sender.SendKeys("{LEFT ?}");
        } catch (const KeyCommandError& error) {
            nestedError = error.what();
        }
    };
    EXPECT_EQ(Send("{FOO}a"), Join({{Box("Invalid Key Name")}, Tap('A')}));
    EXPECT_EQ(nestedError, "'?' ist kein gültiger Integerwert");
}

}  // namespace
}  // namespace pultara::testing
