#include "actions/keysend/repeat_count.h"
#include "key_send_rig.h"

namespace pultara::testing {
namespace {

using Counts = KeySend;

TEST_F(Counts, CountRepeatsDownUpPairs) {
    EXPECT_EQ(Send("{LEFT 3}"), Join({TapExt(kLeft), TapExt(kLeft), TapExt(kLeft)}));
    EXPECT_EQ(Send("^{TAB 2}"), Join({{Down(kCtrl)}, Tap(0x09), Tap(0x09), {Up(kCtrl)}}));
}

TEST_F(Counts, ZeroPressesNothingButKeepsTheKeyCodeModifiers) {
    EXPECT_EQ(Send("{LEFT 0}"), Lines{});
    EXPECT_EQ(Send("{LEFT 65536}"), Lines{});
    EXPECT_EQ(Send("{a 0}"), (Lines{Down(kShift), Up(kShift)}));
    // A typed group, even an empty one, ends the pending modifiers.
    EXPECT_EQ(Send("+{LEFT 0}a"), Join({{Down(kShift), Up(kShift)}, Tap('A')}));
}

TEST(RepeatCount, AcceptsTheIntegerForms) {
    const std::vector<std::pair<std::string, int>> cases{
        {"7", 7},
        {"007", 7},
        {"+7", 7},
        {"  7", 7},
        {"$1F", 31},
        {"x1f", 31},
        {"X10", 16},
        {"0x10", 16},
        {"0X10", 16},
        {"-$1", 65535},
        {"-1", 65535},
        {"65537", 1},
        {"2147483647", 65535},
        {"-2147483648", 0},
        {"$FFFFFFFF", 65535},
        {"0", 0},
    };
    for (const auto& [text, count] : cases) {
        EXPECT_EQ(ParseRepeatCount(text), count) << text;
    }
}

TEST(RepeatCount, RejectsEverythingElseWithTheCountText) {
    for (const std::string text : {"", " ", "3 ", "3x", "x", "$", "0x", "-", "+-3", "1.5",
                                   "2147483648", "-2147483649", "$100000000", "3 4", "½"}) {
        try {
            ParseRepeatCount(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const KeyCommandError& error) {
            EXPECT_EQ(error.what(), "'" + text + "' ist kein gültiger Integerwert");
        }
    }
}

TEST_F(Counts, MalformedCountEndsTheCommandWithAnError) {
    try {
        Send("ab{LEFT 3x}c");
        ADD_FAILURE() << "no error";
    } catch (const KeyCommandError& error) {
        // The count text is part of the upper-cased brace text.
        EXPECT_STREQ(error.what(), "'3X' ist kein gültiger Integerwert");
    }
    EXPECT_EQ(log.Lines(), Join({Tap('A'), Tap('B')}));
}

TEST_F(Counts, EmptyCountOrTrailingSpaceIsMalformed) {
    EXPECT_THROW(Send("{LEFT }"), KeyCommandError);
    EXPECT_THROW(Send("{LEFT 3 }"), KeyCommandError);
    EXPECT_THROW(Send("{a  }"), KeyCommandError);
    EXPECT_EQ(log.Lines(), Lines{});
}

}  // namespace
}  // namespace pultara::testing
