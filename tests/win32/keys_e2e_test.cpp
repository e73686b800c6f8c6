// Key commands typed through the core's interpreter and the Win32 back end
// into a real edit control, and windows brought forward and back.
#include <gtest/gtest.h>

#include "actions/keysend/key_sender.h"
#include "actions/keysend/window_focus.h"
#include "platform/fake/call_log.h"
#include "platform/fake/fake_system.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_input.h"
#include "test_window.h"

namespace pultara::win32 {
namespace {

using testing::MakeForeground;
using testing::TestWindow;
using testing::WaitFor;
using testing::WaitForInputHandled;

class TypingTest : public ::testing::Test {
protected:
    // Types `command` into a fresh edit control and returns what arrived.
    std::wstring Typed(const std::string& command) {
        TestWindow window(L"Tippziel", true);
        EXPECT_TRUE(MakeForeground(window.Handle()));
        keys.SendKeys(command);
        EXPECT_TRUE(WaitForInputHandled());
        return window.EditText();
    }

    fake::CallLog log;
    fake::FakeDialogs dialogs{log};
    Win32Keyboard keyboard;
    KeySender keys{keyboard, dialogs};
};

TEST_F(TypingTest, LettersShiftAndEnterArrive) {
    EXPECT_EQ(Typed("Hallo~"), L"Hallo\r\n");
    EXPECT_EQ(Typed("+abc"), L"Abc");
    EXPECT_EQ(Typed("+(ab)c"), L"ABc");
    EXPECT_EQ(Typed("a{ENTER}b{enter}"), L"a\r\nb\r\n");
    EXPECT_TRUE(log.Lines().empty());
}

TEST_F(TypingTest, BracesAndSpecialCharactersArrive) {
    EXPECT_EQ(Typed("{{}x{}}"), L"{x}");
    EXPECT_EQ(Typed("{+}{^}{%}{~}"), L"+^%~");
    EXPECT_EQ(Typed("1 {+} 2 = 3."), L"1 + 2 = 3.");
    EXPECT_EQ(Typed("1 + 2"), L"1  2");  // "+" is Shift for the blank
}

TEST_F(TypingTest, RepeatCountsAndEditingKeysAct) {
    EXPECT_EQ(Typed("{a 3}"), L"AAA");
    EXPECT_EQ(Typed("x{LEFT 0}{z 2}"), L"xZZ");
    EXPECT_EQ(Typed("ac{LEFT}b"), L"abc");
    EXPECT_EQ(Typed("abcd{BACK 2}{HOME}>"), L">ab");
}

TEST_F(TypingTest, BadNamesAreReportedAndSkipped) {
    EXPECT_EQ(Typed("a{BACKSPACE}b"), L"ab");
    EXPECT_EQ(log.Lines().size(), 1u);
    EXPECT_THROW(Typed("a{LEFT x}"), KeyCommandError);
}

TEST(WindowActivation, TitlePrefixFindsTheWindowAndTheFocusComesBack) {
    Win32Desktop desktop;
    WindowFocus focus{desktop};
    TestWindow editor(L"Notizen \u2013 Editor", true);
    TestWindow player(L"Mediaplayer Classic", true);
    ASSERT_TRUE(MakeForeground(editor.Handle()));
    focus.RememberForegroundWindow();

    EXPECT_TRUE(focus.ActivateWindowByTitle("mediaPLAYER", true));
    WaitFor([&] { return GetForegroundWindow() == player.Handle(); }, 5000);
    EXPECT_EQ(GetForegroundWindow(), player.Handle());

    focus.RestoreRememberedWindow();
    WaitFor([&] { return GetForegroundWindow() == editor.Handle(); }, 5000);
    EXPECT_EQ(GetForegroundWindow(), editor.Handle());
    EXPECT_FALSE(focus.ActivateWindowByTitle("Kein solches Fenster", true));
}

TEST(WindowActivation, AMinimisedTargetIsRestored) {
    Win32Desktop desktop;
    WindowFocus focus{desktop};
    TestWindow player(L"Mediaplayer Classic", true);
    ShowWindow(player.Handle(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(player.Handle()) != FALSE; }, 5000));
    EXPECT_TRUE(focus.ActivateWindowByTitle("Mediaplayer Classic", true));
    WaitFor([&] { return !IsIconic(player.Handle()) && GetForegroundWindow() == player.Handle(); },
            5000);
    EXPECT_FALSE(IsIconic(player.Handle()));
    EXPECT_EQ(GetForegroundWindow(), player.Handle());
}

}  // namespace
}  // namespace pultara::win32
