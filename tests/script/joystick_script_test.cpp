#include <gtest/gtest.h>

#include "script/joystick_script.h"

namespace pultara {
namespace {

TEST(JoystickScript, ReadsSamplesAndActionsWithTheirLines) {
    const std::vector<ScriptStep> steps = ReadJoystickScript(
        "# rest\n"
        "\n"
        "32768 0x8000 65535 0x804 x100\r\n"
        "0 1 2 [1,12]\n"
        "0 0 0 []\n"
        "set EditM1b1 \"Hallo Welt~\"\n"
        "wait 86400000\n"
        "select ComboBox3 -1\n"
        "rename 12 \"Play\"\n"
        "tray right\n");
    ASSERT_EQ(steps.size(), 8u);
    EXPECT_EQ(steps[0].line, 3);
    EXPECT_EQ(steps[0].kind, ScriptStep::Kind::Sample);
    EXPECT_EQ(steps[0].sample.xPos, 32768u);
    EXPECT_EQ(steps[0].sample.yPos, 32768u);
    EXPECT_EQ(steps[0].sample.zPos, 65535u);
    EXPECT_EQ(steps[0].sample.buttons, 0x804u);
    EXPECT_EQ(steps[0].ticks, 100);
    EXPECT_EQ(steps[1].sample.buttons, 0x801u);
    EXPECT_EQ(steps[1].ticks, 1);
    EXPECT_EQ(steps[2].sample.buttons, 0u);
    EXPECT_EQ(steps[3].kind, ScriptStep::Kind::Action);
    EXPECT_EQ(steps[3].words, (std::vector<std::string>{"set", "EditM1b1", "Hallo Welt~"}));
    EXPECT_EQ(steps[4].number, 86400000);
    EXPECT_EQ(steps[5].number, -1);
    EXPECT_EQ(steps[6].number, 12);
    EXPECT_EQ(steps[7].line, 10);
}

// Each bad line is reported with its number and the word at fault, and
// nothing of the script is run.
TEST(JoystickScript, NamesTheLineAndTheWordOfEachMistake) {
    struct Case {
        const char* line;
        const char* word;
    };
    const Case cases[] = {
        {"wait -5", "-5"},
        {"wait 4294967295", "4294967295"},
        {"wait 1e3", "1e3"},
        {"tray middle", "middle"},
        {"tray", "tray"},
        {"jump 3", "jump"},
        {"select ComboBox3 first", "first"},
        {"rename 13 Play", "13"},
        {"32768 32768 70000 0", "70000"},
        {"32768 32768 32768 [13]", "[13]"},
        {"32768 32768 32768 0x1000", "0x1000"},
        {"32768 32768 32768 0 x0", "x0"},
        {"32768 32768 32768 0 10", "10"},
        {"32768 -1 32768 0", "-1"},
        {"32768 32768 32768", "3 words"},
        {"set EditM1b1 \"open", "quotation: \"open"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        try {
            ReadJoystickScript(std::string("0 0 0 0\n# fine\n") + c.line + "\n0 0 0 0\n");
            ADD_FAILURE() << "accepted";
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.Line(), 3);
            EXPECT_NE(std::string(error.what()).find(c.word), std::string::npos) << error.what();
        }
    }
}

// A file that is not text (here the start of an ELF program) is named by
// the first byte that is not text and its column, never echoed byte for
// byte; UTF-8 text and tabs in a line are text.
TEST(JoystickScript, NamesTheFirstByteOfABinaryFileInsteadOfPrintingIt) {
    const char raw[] =
        "0 0 0 0\n\x7F"
        "ELF\x02\x01\x01\0\0\x1B[2J\n";
    const std::string binary(raw, sizeof(raw) - 1);
    try {
        ReadJoystickScript(binary);
        ADD_FAILURE() << "accepted";
    } catch (const ScriptError& error) {
        const std::string message = error.what();
        EXPECT_EQ(error.Line(), 2);
        EXPECT_NE(message.find("byte 0x7F at column 1"), std::string::npos) << message;
        for (const char c : message) {
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "byte " << int(c) << " in: " << message;
        }
    }
    for (const std::string& bad :
         {std::string("set EditM1b1 \"ab\xC3\"\n"), std::string("wait\x1B[31m 5\n")}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ReadJoystickScript(bad), ScriptError);
    }
    EXPECT_EQ(ReadJoystickScript("set\tEditM1b1 \"Grüße\"\r\n")[0].words[2], "Grüße");
}

// "click NoSuchButton" is refused before anything runs, with its line;
// names of other windows' controls and steps without a control pass.
TEST(JoystickScript, RefusesAControlNameTheProgramDoesNotHave) {
    const std::vector<ScriptStep> steps = ReadJoystickScript(
        "rename 2 Play\n"
        "click FormUmbenennen.Button1\n"
        "set EditM1b1 x\n"
        "0 0 0 0\n"
        "click NoSuchButton\n");
    std::vector<std::string> asked;
    const auto known = [&asked](const std::string& name) {
        asked.push_back(name);
        return name != "NoSuchButton";
    };
    try {
        CheckControlNames(steps, known);
        ADD_FAILURE() << "accepted";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.Line(), 5);
        EXPECT_NE(std::string(error.what()).find("\"NoSuchButton\""), std::string::npos);
    }
    EXPECT_EQ(asked,
              (std::vector<std::string>{"FormUmbenennen.Button1", "EditM1b1", "NoSuchButton"}));
}

}  // namespace
}  // namespace pultara
