// A mode's commands carried out on the Win32 back end: the mode's window is
// found by its title prefix, gets the keys, and the focus goes back; "!"
// commands and missing windows start programs.
#include <gtest/gtest.h>

#include <string>

#include "actions/keysend/key_sender.h"
#include "actions/keysend/window_focus.h"
#include "actions/mode_commands.h"
#include "platform/fake/call_log.h"
#include "platform/fake/fake_system.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "test_window.h"

namespace pultara::win32 {
namespace {

using testing::MakeForeground;
using testing::TestWindow;
using testing::WaitFor;
using testing::WaitForInputHandled;

class ModeCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        marker = Narrow(std::wstring(temp)) + "pultara-gestartet-" +
                 std::to_string(GetCurrentProcessId()) + ".txt";
        DeleteFileW(Widen(marker).c_str());
        profile.SetTitle(1, "Mediaplayer");
        profile.SetEnsureFocus(1, true);
    }
    void TearDown() override { DeleteFileW(Widen(marker).c_str()); }

    // Starting a program under Wine can take long on a busy machine.
    bool MarkerAppears() {
        return WaitFor([this] { return platform.processes.FileExists(marker); }, 30000);
    }

    Win32Platform platform;
    fake::CallLog log;
    fake::FakeDialogs dialogs{log};
    Profile profile;
    EngineState state;
    KeySender keys{platform.keyboard, dialogs};
    WindowFocus focus{platform.desktop};
    ModeCommands commands{profile, state, focus, keys, platform.mouse, platform.processes};
    std::string marker;
};

TEST_F(ModeCommandsTest, KeysGoToTheModesWindowAndTheFocusComesBack) {
    TestWindow editor(L"Notizen", true);
    TestWindow player(L"Mediaplayer Classic \u2013 Film.mkv", true);
    // Lower case only: Wine takes the modifier state from the X server when
    // its window gets the X focus, which may come after an injected Shift;
    // the Shift handling itself is covered where no window changes.
    profile.SetButtonCommand(1, 3, "play~");
    ASSERT_TRUE(MakeForeground(editor.Handle()));

    commands.ExecuteButtonCommand(3);
    EXPECT_TRUE(WaitForInputHandled());

    EXPECT_EQ(player.EditText(), L"play\r\n");
    EXPECT_EQ(editor.EditText(), L"");
    EXPECT_EQ(GetForegroundWindow(), editor.Handle());
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(ModeCommandsTest, ArrowKeysOfAnAxisReachTheModesWindow) {
    TestWindow editor(L"Notizen", true);
    TestWindow player(L"Mediaplayer", true);
    ASSERT_TRUE(MakeForeground(player.Handle()));
    keys.SendKeys("ab");
    ASSERT_TRUE(WaitForInputHandled());
    ASSERT_TRUE(MakeForeground(editor.Handle()));

    commands.SendAxisKeys("{left}");
    commands.ExecuteButtonCommand(1);  // empty: the window is still brought forward
    profile.SetButtonCommand(1, 2, "x");
    commands.ExecuteButtonCommand(2);
    EXPECT_TRUE(WaitForInputHandled());

    EXPECT_EQ(player.EditText(), L"axb");
    EXPECT_EQ(GetForegroundWindow(), editor.Handle());
}

TEST_F(ModeCommandsTest, AnExclamationMarkCommandStartsTheProgram) {
    profile.SetEnsureFocus(1, false);
    profile.SetButtonCommand(1, 5, "!cmd.exe /c echo gestartet> " + marker);
    commands.ExecuteButtonCommand(5);
    EXPECT_TRUE(MarkerAppears());
}

TEST_F(ModeCommandsTest, AMissingWindowOpensTheModesProgramThroughTheShell) {
    profile.SetTitle(2, "Kein Fenster heißt so");
    profile.SetCommand(2, "cmd.exe");
    profile.SetParameters(2, "/c echo geoeffnet> " + marker);
    commands.ActivateModeTarget(2);
    EXPECT_EQ(state.activeMode, 2);
    EXPECT_TRUE(MarkerAppears());
}

}  // namespace
}  // namespace pultara::win32
