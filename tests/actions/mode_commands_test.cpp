#include <gtest/gtest.h>

#include "actions/mode_commands.h"
#include "platform/common/us_layout.h"
#include "platform/fake/fake_platform.h"

namespace pultara {
namespace {

using Lines = std::vector<std::string>;

Lines operator+(Lines lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

std::string KeyEvent(std::uint8_t key, int flags) {
    return "keybd_event(" + fake::Hex(key) + ", " + fake::Hex(UsScanCodeForVirtualKey(key)) + ", " +
           std::to_string(flags) + ")";
}

// The key events that type `text` on the US layout.
Lines Typed(std::string_view text) {
    Lines lines;
    for (char c : text) {
        const std::uint16_t code = UsKeyCodeForCharacter(static_cast<unsigned char>(c));
        const Lines press{KeyEvent(code & 0xFF, 0), KeyEvent(code & 0xFF, 2)};
        const bool shift = (code & 0x100) != 0;
        lines =
            lines + (shift ? Lines{KeyEvent(0x10, 0)} + press + Lines{KeyEvent(0x10, 2)} : press);
    }
    return lines;
}

const Lines kLeftClick{"mouse_event(0x0002)", "mouse_event(0x0004)"};
const Lines kRightClick{"mouse_event(0x0008)", "mouse_event(0x0010)"};
const Lines kMiddleClick{"mouse_event(0x0020)", "mouse_event(0x0040)"};

// The user works in "Editor" (0x100); mode 1 targets "Player" (0x101).
struct Commands : ::testing::Test {
    void SetUp() override {
        desktop.foreground = desktop.AddWindow("Editor").id;
        desktop.AddWindow("Player - song.mp3");
        profile.SetTitle(1, "Player");
        profile.SetCommand(1, "player.exe");
        profile.SetParameters(1, "/min");
    }
    Lines Of(std::initializer_list<std::string_view> prefixes) const {
        return platform.log.Only(prefixes);
    }
    void Press(int button, const std::string& command) {
        profile.SetButtonCommand(state.activeMode, button, command);
        commands.ExecuteButtonCommand(button);
    }

    fake::FakePlatform platform;
    fake::FakeDesktop& desktop = platform.desktop;
    Profile profile;
    EngineState state;
    WindowFocus focus{platform.desktop};
    KeySender keys{platform.keyboard, platform.dialogs};
    ModeCommands commands{profile, state, focus, keys, platform.mouse, platform.processes};
};

TEST_F(Commands, EmptyCommandStillActivatesAndTheRestoreAlwaysForces) {
    profile.SetForceForeground(false);
    profile.SetEnsureFocus(1, true);
    desktop.Find(0x101)->activatesOnRequest = true;
    desktop.foregroundFreelyAllowed = false;
    desktop.attachSucceeds = false;
    Press(5, "");
    EXPECT_EQ(
        Of({"SendMessageA", "BringWindowToTop", "SPI_SET", "keybd_event"}),
        (Lines{"SendMessageA(0x101, WM_SYSCOMMAND, SC_HOTKEY)",
               "SendMessageA(0x101, WM_SYSCOMMAND, SC_RESTORE)", "SPI_SETFOREGROUNDLOCKTIMEOUT(0)",
               "BringWindowToTop(0x100)", "SPI_SETFOREGROUNDLOCKTIMEOUT(200000)"}));
    EXPECT_EQ(desktop.foreground, 0x100U);
}

TEST_F(Commands, PrefixesCountOnlyInCommandsOfTwoOrMoreCharacters) {
    platform.processes.files = {"C:\\notes.txt"};
    platform.processes.startable = {"calc.exe "};
    const std::pair<std::string, Lines> cases[] = {
        {"#", Typed("#")},
        {"!", Typed("!")},
        {"##", Typed("#")},
        {"#!", Typed("!")},
        {"#!calc.exe", {"CreateProcessA(\"calc.exe \")"}},
        {"!C:\\notes.txt",
         {"CreateProcessA(\"C:\\notes.txt \")", "FileExists(\"C:\\notes.txt\")",
          "ShellExecuteA(\"open\", \"C:\\notes.txt\", \"\")"}},
        {"!nothere -v", {"CreateProcessA(\"nothere -v \")", "FileExists(\"nothere -v\")"}},
    };
    for (const auto& [command, calls] : cases) {
        platform.log.Clear();
        Press(1, command);
        EXPECT_EQ(Of({"keybd_event", "CreateProcessA", "FileExists", "ShellExecuteA"}), calls)
            << command;
        EXPECT_EQ(platform.log.Lines().back(), "GetForegroundWindow") << "restored after launch";
    }
}

TEST_F(Commands, MouseTokensClickOnceEachLeftRightMiddleBeforeAnyKey) {
    const std::pair<std::string, Lines> cases[] = {
        {"{MCR}a{mcl}b{MCL}", kLeftClick + kRightClick + Typed("ab")},
        {"{mcl}", kLeftClick},
        {"x{Mcm}{MCR}", kRightClick + kMiddleClick + Typed("x")},
    };
    for (const auto& [command, calls] : cases) {
        platform.log.Clear();
        Press(1, command);
        EXPECT_EQ(Of({"keybd_event", "mouse_event"}), calls) << command;
    }
}

TEST_F(Commands, EnsureFocusWithoutTitleOpensTheProgramOnEveryPress) {
    profile.SetEnsureFocus(1, true);
    profile.SetTitleEnabled(1, false);
    Press(1, "a");
    Press(1, "a");
    const std::string open = "ShellExecuteA(\"open\", \"player.exe\", \"/min\")";
    EXPECT_EQ(Of({"FindWindowA", "ShellExecuteA"}), (Lines{open, open}));
}

TEST_F(Commands, ModeSwitchOpensTheProgramOnlyWithoutAWindow) {
    profile.SetTitle(2, "Missing");
    profile.SetCommand(2, "two.exe");
    profile.SetTitle(3, "edit");  // found by the prefix search
    profile.SetCommand(3, "three.exe");
    profile.SetCommand(4, "four.exe");  // no title text: nothing is searched
    for (int mode : {2, 3, 4}) {
        commands.ActivateModeTarget(mode);
        EXPECT_EQ(state.activeMode, mode);
    }
    EXPECT_EQ(Of({"FindWindowA", "ShellExecuteA"}),
              (Lines{"FindWindowA(\"Missing\")", "ShellExecuteA(\"open\", \"two.exe\", \"\")",
                     "FindWindowA(\"edit\")", "ShellExecuteA(\"open\", \"four.exe\", \"\")"}));
}

TEST_F(Commands, NestedCommandOverwritesTheRememberedWindow) {
    const WindowId chat = desktop.AddWindow("Chat").id;
    profile.SetEnsureFocus(1, true);
    profile.SetButtonCommand(1, 2, "b");
    platform.keyboard.afterEvent = [&] {
        platform.keyboard.afterEvent = nullptr;
        desktop.foreground = chat;  // the user moved on while a box was open
        commands.ExecuteButtonCommand(2);
    };
    Press(1, "a");
    EXPECT_EQ(focus.RememberedWindow(), chat);
    EXPECT_EQ(desktop.foreground, chat);
}

TEST_F(Commands, AxisKeysAreTypedAsTheyStandAndRememberOnlyToRestore) {
    profile.SetEnsureFocus(1, true);
    commands.SendAxisKeys("#!a");
    EXPECT_EQ(platform.log.Lines().front(), "GetForegroundWindow");
    EXPECT_EQ(Of({"keybd_event", "CreateProcessA"}), Typed("#!a"));
    EXPECT_EQ(desktop.foreground, 0x100U);
    profile.SetRestoreFocus(false);
    platform.log.Clear();
    commands.SendAxisKeys("x");
    EXPECT_EQ(platform.log.Lines().front(), "FindWindowA(\"Player\")");
    EXPECT_EQ(desktop.foreground, 0x101U);
}

}  // namespace
}  // namespace pultara
