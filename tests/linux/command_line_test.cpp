#include "platform/linux/command_line.h"

#include <gtest/gtest.h>

namespace pultara::linux_x11 {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLineSplitting, BlanksSeparateAndRunsOfBlanksCountOnce) {
    EXPECT_EQ(SplitCommandLine("vlc  --fullscreen\tfilm.mkv "),
              (Args{"vlc", "--fullscreen", "film.mkv"}));
    EXPECT_EQ(SplitCommandLine(""), Args{});
    EXPECT_EQ(SplitCommandLine("   \t "), Args{});
}

TEST(CommandLineSplitting, DoubleQuotesGroupAndMayOpenInsideAnArgument) {
    EXPECT_EQ(SplitCommandLine("\"/opt/my player/play\" \"a b\""),
              (Args{"/opt/my player/play", "a b"}));
    EXPECT_EQ(SplitCommandLine("prog --name=\"a b\"c"), (Args{"prog", "--name=a bc"}));
    EXPECT_EQ(SplitCommandLine("prog \"\" x"), (Args{"prog", "", "x"}));
    // An unclosed quote runs to the end.
    EXPECT_EQ(SplitCommandLine("prog \"a b"), (Args{"prog", "a b"}));
}

TEST(CommandLineSplitting, BackslashesFollowTheWindowsRules) {
    // Kept where no quote follows.
    EXPECT_EQ(SplitCommandLine("C:\\Programs\\x a\\\\b"), (Args{"C:\\Programs\\x", "a\\\\b"}));
    // An odd run before a quote makes it literal.
    EXPECT_EQ(SplitCommandLine("echo \\\"hi\\\""), (Args{"echo", "\"hi\""}));
    // An even run halves and leaves the quote to group.
    EXPECT_EQ(SplitCommandLine("echo \"a\\\\\" b"), (Args{"echo", "a\\", "b"}));
    EXPECT_EQ(SplitCommandLine("echo \"say \\\"x\\\" now\""), (Args{"echo", "say \"x\" now"}));
}

TEST(CommandLineSplitting, SingleQuotesAreLiteralAndNothingIsExpanded) {
    EXPECT_EQ(SplitCommandLine("echo 'it is \"so\"' $HOME ~ *.txt | x > y"),
              (Args{"echo", "it is \"so\"", "$HOME", "~", "*.txt", "|", "x", ">", "y"}));
    EXPECT_EQ(SplitCommandLine("echo \"don't\""), (Args{"echo", "don't"}));
    EXPECT_EQ(SplitCommandLine("echo 'open"), (Args{"echo", "open"}));
}

TEST(CommandLineSplitting, Utf8PassesThroughUntouched) {
    EXPECT_EQ(SplitCommandLine("\"Grüße/Über ß.txt\" é"), (Args{"Grüße/Über ß.txt", "é"}));
}

}  // namespace
}  // namespace pultara::linux_x11
