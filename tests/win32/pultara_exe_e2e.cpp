// Runs the real pultara.exe in the Wine session and watches it from outside:
// the main window, the registry, the tray callback and the close box.
//   pultara_exe_e2e <path of pultara.exe>
// Beside it, a helper script takes a screenshot while the window is shown:
// this program writes "shown.flag" and waits for "shot.flag".
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "program_under_test.h"

namespace {

using namespace pultara::win32::testing;

// Paints the whole window before asking for the screenshot: a redraw with
// RDW_UPDATENOW returns once the program has handled the paint messages.
void SignalShownAndWaitForScreenshot(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    CloseHandle(CreateFileW(L"shown.flag", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    WaitFor([] { return FileExists(L"shot.flag"); }, 20000);
}

// The three values that are positions outside their lists, written back as -1.
bool OutOfRangePositionsRewritten() {
    DWORD x = 0;
    DWORD m2b = 0;
    DWORD right = 0;
    return GetSettingsDword(L"x", x) && x == 0xFFFFFFFFu && GetSettingsDword(L"M2b", m2b) &&
           m2b == 0xFFFFFFFFu && GetSettingsDword(L"_mausbuttonRight", right) &&
           right == 0xFFFFFFFFu;
}

// Application windows of running copies of the program.
int ApplicationWindowCount() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counter) -> BOOL {
            if (ClassOf(window) == L"PultaraApplication") {
                ++*reinterpret_cast<int*>(counter);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// A balloon at a tray icon: Wine's notification area (like Windows before
// its toasts) shows it as a visible tooltip window.
bool BalloonShown() {
    bool shown = false;
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            if (IsWindowVisible(window) && ClassOf(window) == L"tooltips_class32") {
                *reinterpret_cast<bool*>(found) = true;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    return shown;
}

class PultaraExe : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvendt");
        // List positions that are not in their lists: written back as -1.
        PutDword(HKEY_CURRENT_USER, kSettingsKey, L"x", 99);
        PutDword(HKEY_CURRENT_USER, kSettingsKey, L"M2b", 13);
        PutDword(HKEY_CURRENT_USER, kSettingsKey, L"_mausbuttonRight", static_cast<DWORD>(-5));
        ASSERT_TRUE(program_.Start(ProgramPath()))
            << "cannot start " << std::string(ProgramPath().begin(), ProgramPath().end());
        started_ = GetTickCount64();
    }

    RunningProgram program_;
    ULONGLONG started_ = 0;
};

TEST_F(PultaraExe, StartsIntoTheTraySavesComesBackAndEndsOnClose) {
    // The main window appears, and hides after the first tick.
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = MainWindow()) != nullptr && IsWindowVisible(main); }));
    const ULONGLONG shown = GetTickCount64();
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));

    // All 86 values are stored while the program runs, before anything asks
    // it to save (the periodic save; its five-second interval is the save
    // timer's, checked where no real clock is involved).
    EXPECT_TRUE(WaitFor([] { return SettingsValueCount() == 86 && OutOfRangePositionsRewritten(); },
                        30000));
    EXPECT_TRUE(WaitForSingleObject(program_.Process(), 0) == WAIT_TIMEOUT) << "the program ended";
    std::printf("window shown %llu ms after the process was created, values stored %llu ms later\n",
                shown - started_, GetTickCount64() - shown);
    EXPECT_EQ(SettingsValueCount(), 86u);
    DWORD value = 0;
    ASSERT_TRUE(GetSettingsDword(L"x", value));
    EXPECT_EQ(value, 0xFFFFFFFFu);
    ASSERT_TRUE(GetSettingsDword(L"M2b", value));
    EXPECT_EQ(value, 0xFFFFFFFFu);
    ASSERT_TRUE(GetSettingsDword(L"_mausbuttonRight", value));
    EXPECT_EQ(value, 0xFFFFFFFFu);
    ASSERT_TRUE(GetSettingsDword(L"_updatespeed", value));
    EXPECT_EQ(value, 10u);
    ASSERT_TRUE(GetSettingsDword(L"CheckBoxGoBack", value));
    EXPECT_EQ(value, 1u);

    // A left-button-up on the tray icon shows the window again.
    ASSERT_NE(ApplicationWindow(), nullptr);
    PostTrayMessage(WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 5000));
    SignalShownAndWaitForScreenshot(main);

    // A right click does nothing. The program handles its posted messages
    // in order, so once the "Hilfe" click posted after it has opened the
    // help window, the right click has had its effect.
    PostTrayMessage(WM_RBUTTONUP);
    // "Hilfe" opens the help window, maximised, with its rich-text view; its
    // close box hides it again.
    PostMessageW(FindWindowExW(main, nullptr, L"Button", L"Hilfe"), BM_CLICK, 0, 0);
    HWND help = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (help = ShownForm(L"Hilfe")) != nullptr; }, 5000));
    EXPECT_TRUE(IsWindowVisible(main)) << "the right click hid the main window";
    EXPECT_TRUE(IsZoomed(help));
    EXPECT_NE(FindWindowExW(help, nullptr, L"RICHEDIT50W", nullptr), nullptr);
    PostMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(help); }, 5000));

    // Closing saves (the emptied key is whole again) and ends the program.
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program_.WaitForExit(10000));
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_EQ(SettingsValueCount(), 86u);
}

// Starting the program again while it runs in the tray shows the running
// copy's settings window; the second copy ends at once, so one copy acts on
// the joystick and saves the settings.
TEST_F(PultaraExe, ASecondStartShowsTheRunningCopysWindowAndEnds) {
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = MainWindow()) != nullptr && IsWindowVisible(main); }));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); })) << "not in the tray";
    RunningProgram second;
    ASSERT_TRUE(second.Start(ProgramPath()));
    ASSERT_TRUE(second.WaitForExit(10000)) << "the second copy keeps running";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 5000))
        << "the running copy's window did not come into view";
    EXPECT_EQ(ApplicationWindowCount(), 1);
    EXPECT_EQ(WaitForSingleObject(program_.Process(), 0), static_cast<DWORD>(WAIT_TIMEOUT))
        << "the first copy ended";
}

// On the very first start (no settings key yet) the program goes to the
// tray and says so in a balloon at its icon; the screenshot shows its text.
TEST(FirstStart, GoesToTheTrayWithABalloonAtTheIcon) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvendt");
    ASSERT_FALSE(BalloonShown()) << "a balloon before the start";
    RunningProgram program;
    ASSERT_TRUE(program.Start(ProgramPath()));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = MainWindow()) != nullptr && IsWindowVisible(main); }));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); })) << "not in the tray";
    EXPECT_TRUE(WaitFor(BalloonShown, 10000)) << "no balloon at the tray icon";
    CloseHandle(
        CreateFileW(L"first-start.request", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    EXPECT_TRUE(WaitFor([] { return FileExists(L"first-start.done"); }, 20000));
    DeleteFileW(L"first-start.done");
}

// A close request that reaches only the hidden application window (as it
// does when the program is asked to close while it is still starting) ends
// the program too.
TEST_F(PultaraExe, ACloseRequestToTheHiddenWindowEndsTheProgram) {
    HWND application = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (application = ApplicationWindow()) != nullptr; }));
    PostMessageW(application, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program_.WaitForExit(10000));
    EXPECT_EQ(program_.ExitCode(), 0u);
}

}  // namespace
