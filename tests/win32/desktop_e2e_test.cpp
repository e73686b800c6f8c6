#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_input.h"
#include "test_window.h"

namespace pultara::win32 {
namespace {

using testing::MakeForeground;
using testing::TestWindow;
using testing::WaitFor;
using testing::WaitForInputHandled;

bool Contains(const std::vector<WindowId>& windows, WindowId window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

TEST(DesktopWindows, FoundByWholeTitleAndListedWithTheirTitles) {
    Win32Desktop desktop;
    TestWindow shown(L"Mediaplayer \u2013 Gr\u00fc\u00dfe");
    TestWindow hidden(L"Versteckt", false, false);
    EXPECT_EQ(desktop.FindWindowByTitle("Mediaplayer – Grüße"), shown.Id());
    EXPECT_EQ(desktop.FindWindowByTitle("Mediaplayer"), kNoWindow);  // no prefix search here
    const auto windows = desktop.EnumerateWindows();
    EXPECT_TRUE(Contains(windows, shown.Id()));
    EXPECT_TRUE(Contains(windows, hidden.Id()));
    EXPECT_EQ(desktop.WindowTitle(shown.Id()), "Mediaplayer – Grüße");
    EXPECT_TRUE(desktop.IsWindowVisible(shown.Id()));
    EXPECT_FALSE(desktop.IsWindowVisible(hidden.Id()));
}

TEST(DesktopWindows, AWindowThatIsGoneIsNoError) {
    Win32Desktop desktop;
    TestWindow window(L"Gleich weg");
    const WindowId gone = window.Id();
    window.Destroy();
    EXPECT_EQ(desktop.WindowTitle(gone), "");
    EXPECT_FALSE(desktop.IsWindowVisible(gone));
    EXPECT_FALSE(desktop.IsIconic(gone));
    EXPECT_EQ(desktop.WindowThreadId(gone), 0u);
    desktop.SendSysCommand(gone, kSysCommandRestore);
    desktop.ShowWindow(gone, kShowRestore);
    desktop.BringWindowToTop(gone);
    EXPECT_FALSE(desktop.SetForegroundWindow(gone));
    EXPECT_EQ(desktop.FindWindowByTitle("Gleich weg"), kNoWindow);
}

TEST(DesktopWindows, RestoreRequestsAndForegroundChanges) {
    Win32Desktop desktop;
    TestWindow first(L"Erstes Fenster");
    TestWindow second(L"Zweites Fenster");
    ShowWindow(first.Handle(), SW_MINIMIZE);
    EXPECT_TRUE(WaitFor([&] { return desktop.IsIconic(first.Id()); }, 5000));
    desktop.SendSysCommand(first.Id(), kSysCommandRestore);
    EXPECT_FALSE(desktop.IsIconic(first.Id()));

    ASSERT_TRUE(MakeForeground(second.Handle()));
    EXPECT_EQ(desktop.ForegroundWindow(), second.Id());
    desktop.BringWindowToTop(first.Id());
    EXPECT_TRUE(desktop.SetForegroundWindow(first.Id()));
    WaitFor([&] { return desktop.ForegroundWindow() == first.Id(); }, 5000);
    EXPECT_EQ(desktop.ForegroundWindow(), first.Id());
    EXPECT_EQ(desktop.WindowThreadId(first.Id()), GetCurrentThreadId());
}

TEST(DesktopSystem, LockTimeoutComesBackAsSetAndTheVersionIsReal) {
    Win32Desktop desktop;
    std::uint32_t saved = 0;
    ASSERT_TRUE(desktop.GetForegroundLockTimeout(saved));
    desktop.SetForegroundLockTimeout(0);
    std::uint32_t now = 1;
    ASSERT_TRUE(desktop.GetForegroundLockTimeout(now));
    EXPECT_EQ(now, 0u);
    desktop.SetForegroundLockTimeout(saved);
    desktop.GetForegroundLockTimeout(now);
    EXPECT_EQ(now, saved);

    const PlatformVersion version = desktop.Version();
    EXPECT_EQ(version.family, PlatformFamily::WindowsNT);
    EXPECT_GE(version.major, 5u);
}

TEST(Pointer, SetPositionsReadBack) {
    Win32Mouse mouse;
    mouse.SetCursorPos({123, 234});
    PointerPosition position;
    ASSERT_TRUE(mouse.GetCursorPos(position));
    EXPECT_EQ(position.x, 123);
    EXPECT_EQ(position.y, 234);
}

TEST(KeyEvents, ReachTheEditControlInFront) {
    Win32Keyboard keyboard;
    TestWindow window(L"Tippziel", true);
    ASSERT_TRUE(MakeForeground(window.Handle()));
    const auto send = [&](std::uint8_t key, std::uint32_t flags) {
        keyboard.SendKeyEvent(key, static_cast<std::uint8_t>(keyboard.ScanCodeForVirtualKey(key)),
                              flags);
        keyboard.PumpKeyboardMessages();
    };
    send(VK_SHIFT, 0);
    send('H', 0);
    send('H', kKeyEventKeyUp);
    send(VK_SHIFT, kKeyEventKeyUp);
    send('I', 0);
    send('I', kKeyEventKeyUp);
    ASSERT_TRUE(WaitForInputHandled());
    EXPECT_EQ(window.EditText(), L"Hi");
}

}  // namespace
}  // namespace pultara::win32
