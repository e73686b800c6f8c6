// Windows on KDE Plasma at the session bus's edge: the scripts KWin is given
// (read back from their files as KWin would), the calls made in order, and
// the answers taken apart, with a stand-in for the bus. The same scripts run
// on a real KWin in the e2e-wayland suite.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/linux/kwin/kwin_desktop.h"
#include "platform/linux/kwin/kwin_script.h"
#include "platform/linux/kwin/scripting_bus.h"

namespace pultara::linux_kwin {
namespace {

// The value a script was given for `name`.
std::string Embedded(const std::string& script, const std::string& name) {
    const std::string start = "var " + name + " = \"";
    const auto at = script.find(start);
    return at == std::string::npos
               ? "(none)"
               : script.substr(at + start.size(),
                               script.find('"', at + start.size()) - at - start.size());
}

struct StandInBus : ScriptingBus {
    std::string UniqueName() override { return ":1.42"; }
    std::optional<std::int32_t> LoadScript(const std::string& file,
                                           const std::string& plugin) override {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        scripts.push_back(text.str());
        files.push_back(file);
        calls.push_back("load " + plugin);
        return 7;
    }
    bool RunScript(std::int32_t script) override {
        calls.push_back("run " + std::to_string(script));
        return true;
    }
    void UnloadScript(const std::string& plugin) override { calls.push_back("unload " + plugin); }
    std::optional<std::string> Answer(const std::string& token,
                                      std::chrono::milliseconds /*wait*/) override {
        calls.push_back("answer " + token);
        if (token != Embedded(scripts.back(), "token") || answers.empty()) {
            return std::nullopt;
        }
        std::string answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    std::vector<std::string> answers;
    std::vector<std::string> scripts;
    std::vector<std::string> files;
    std::vector<std::string> calls;
};

struct KWinWindows : ::testing::Test {
    KWinWindows() {
        auto owned = std::make_unique<StandInBus>();
        bus = owned.get();
        desktop = std::make_unique<KWinDesktop>(std::move(owned), "/tmp");
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const WindowId window : desktop->EnumerateWindows()) {
            titles.push_back(desktop->WindowTitle(window));
        }
        return titles;
    }
    StandInBus* bus;
    std::unique_ptr<KWinDesktop> desktop;
};

using Lines = std::vector<std::string>;

TEST(KWinAnswer, TitlesComeBackWholeAndMalformedAnswersAreRefused) {
    const auto windows = ParseKWinAnswer(
        "%7Baa-1%7D a Ziel%20%22Eins%22%0A%25%20%C3%A9\n%7Bbb-2%7D m \n%7Bcc-3%7D - Zwei");
    ASSERT_TRUE(windows);
    ASSERT_EQ(windows->size(), 3U);
    EXPECT_EQ((*windows)[0].id, "{aa-1}");
    EXPECT_EQ((*windows)[0].title, "Ziel \"Eins\"\n% é");
    EXPECT_TRUE((*windows)[0].active);
    EXPECT_EQ((*windows)[1].title, "");
    EXPECT_TRUE((*windows)[1].minimized);
    EXPECT_FALSE((*windows)[2].active || (*windows)[2].minimized);
    EXPECT_TRUE(ParseKWinAnswer("")->empty());
    EXPECT_FALSE(ParseKWinAnswer("%7Baa%7D x Titel"));
    EXPECT_FALSE(ParseKWinAnswer("%7Baa%7D - Ti%2"));
    EXPECT_FALSE(ParseKWinAnswer("%7Baa%7D - Ti%zzel"));
    EXPECT_FALSE(ParseKWinAnswer("nurEinFeld"));
}

TEST(KWinScriptText, EmbedsOnlyValuesOfTheirExpectedForm) {
    ScriptRequest request{ScriptAction::Activate, "{0f-a1}", ":1.42", "3"};
    const std::string script = KWinScript(request);
    EXPECT_EQ(Embedded(script, "action"), "activate");
    EXPECT_EQ(Embedded(script, "wanted"), "{0f-a1}");
    EXPECT_EQ(Embedded(script, "answerTo"), ":1.42");
    EXPECT_NE(script.find(R"(callDBus(answerTo, "/WindowList", "net.pultara.KWinWindowList", )"
                          R"("Answer", token, lines.join("\n"));)"),
              std::string::npos)
        << script;
    for (const auto& bad :
         {ScriptRequest{ScriptAction::Activate, "{0f\"); evil(); (\"}", ":1.42", "3"},
          ScriptRequest{ScriptAction::List, "", ":1.42\"", "3"},
          ScriptRequest{ScriptAction::List, "", ":1.42", "3;"},
          ScriptRequest{ScriptAction::Activate, "", ":1.42", "3"}}) {
        EXPECT_EQ(KWinScript(bad), "") << bad.window << bad.answerTo << bad.token;
    }
}

TEST_F(KWinWindows, EachQuestionIsOneScriptLoadedRunAnsweredUnloadedAndRemoved) {
    bus->answers = {"%7Ba%7D a Eins\n%7Bb%7D - Zwei"};
    EXPECT_EQ(Titles(), (Lines{"Eins", "Zwei"}));
    const std::string plugin = "pultara-" + std::to_string(getpid()) + "-1";
    EXPECT_EQ(bus->calls, (Lines{"load " + plugin, "run 7", "answer 1", "unload " + plugin}));
    EXPECT_EQ(Embedded(bus->scripts[0], "action"), "list");
    EXPECT_EQ(access(bus->files[0].c_str(), F_OK), -1) << "the script file stays behind";
}

TEST_F(KWinWindows, HandlesStayWithTheirWindowAndActivationTellsWhetherItTook) {
    bus->answers = {"%7Ba%7D a Eins\n%7Bb%7D - Zwei", "%7Bb%7D - Zwei\n%7Bc%7D a Drei",
                    "%7Bc%7D - Drei\n%7Bb%7D a Zwei", "%7Bb%7D - Zwei\n%7Bc%7D a Drei"};
    const std::vector<WindowId> first = desktop->EnumerateWindows();
    const std::vector<WindowId> second = desktop->EnumerateWindows();
    ASSERT_EQ(first.size(), 2U);
    ASSERT_EQ(second.size(), 2U);
    const WindowId eins = first[0];
    const WindowId zwei = first[1];
    EXPECT_EQ(second[0], zwei);
    EXPECT_NE(second[1], eins);  // a new window never takes a closed one's handle
    EXPECT_TRUE(desktop->SetForegroundWindow(zwei));
    EXPECT_EQ(Embedded(bus->scripts.back(), "action"), "activate");
    EXPECT_EQ(Embedded(bus->scripts.back(), "wanted"), "{b}");
    const std::size_t asked = bus->scripts.size();
    EXPECT_FALSE(desktop->SetForegroundWindow(eins));  // closed: nothing is asked
    EXPECT_EQ(bus->scripts.size(), asked);
    EXPECT_FALSE(desktop->SetForegroundWindow(zwei));  // KWin kept Drei active
}

TEST_F(KWinWindows, WithoutAnAnswerNothingIsFoundAndNoFileStays) {
    EXPECT_TRUE(desktop->EnumerateWindows().empty());
    EXPECT_EQ(desktop->ForegroundWindow(), kNoWindow);
    ASSERT_FALSE(bus->files.empty());
    EXPECT_EQ(access(bus->files.back().c_str(), F_OK), -1);
    bus->answers = {"kaputt"};
    EXPECT_TRUE(desktop->EnumerateWindows().empty());
}

}  // namespace
}  // namespace pultara::linux_kwin
