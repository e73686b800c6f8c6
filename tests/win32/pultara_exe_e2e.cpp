// Runs the real pultara.exe in the Wine session and watches it from outside:
// the main window, the registry, the tray callback and the close box.
//   pultara_exe_e2e <path of pultara.exe>
// Beside it, a helper script takes a screenshot while the window is shown:
// this program writes "shown.flag" and waits for "shot.flag".
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::wstring exePath;
const wchar_t kSettingsKey[] = L"Software\\Orvendt\\tevorin";
constexpr DWORD kWindowWaitMs = 15000;

// A Unix path as Wine sees it (drive Z: is the root).
std::wstring WindowsPath(const std::string& path) {
    std::wstring wide(path.begin(), path.end());
    if (!wide.empty() && wide[0] == L'/') {
        for (wchar_t& c : wide) {
            if (c == L'/')
                c = L'\\';
        }
        wide = L"Z:" + wide;
    }
    return wide;
}

template <typename Condition>
bool WaitFor(Condition condition, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > end) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

HWND MainWindow() {
    return FindWindowW(L"PultaraForm", L"Pultara");
}
HWND ApplicationWindow() {
    return FindWindowW(L"PultaraApplication", nullptr);
}

void PutDword(const wchar_t* name, DWORD value) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

bool GetDword(const wchar_t* name, DWORD& value) {
    DWORD size = sizeof(value);
    return RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                        &size) == ERROR_SUCCESS;
}

DWORD ValueCount() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    DWORD count = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return count;
}

void SignalShownAndWaitForScreenshot(HWND window) {
    // Let the window paint itself completely first.
    Sleep(1000);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(1000);
    CloseHandle(CreateFileW(L"shown.flag", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    WaitFor([] { return GetFileAttributesW(L"shot.flag") != INVALID_FILE_ATTRIBUTES; }, 20000);
}

class PultaraExe : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvendt");
        // List positions that are not in their lists: written back as -1.
        PutDword(L"x", 99);
        PutDword(L"M2b", 13);
        PutDword(L"_mausbuttonRight", static_cast<DWORD>(-5));
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring line = L"\"" + exePath + L"\"";
        ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process_))
            << "cannot start " << std::string(exePath.begin(), exePath.end());
        started_ = GetTickCount64();
    }
    void TearDown() override {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process_.hProcess, 1);
            }
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
    }

    PROCESS_INFORMATION process_{};
    ULONGLONG started_ = 0;
};

TEST_F(PultaraExe, StartsIntoTheTraySavesComesBackAndEndsOnClose) {
    // The main window appears, and hides after the first tick.
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = MainWindow()) != nullptr && IsWindowVisible(main); },
                        kWindowWaitMs));
    const ULONGLONG shown = GetTickCount64();
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, kWindowWaitMs));

    // All 86 values are stored within six seconds of the program's start
    // (the periodic save runs every five).
    EXPECT_TRUE(WaitFor([] { return ValueCount() == 86; }, 6000 - (GetTickCount64() - shown)));
    std::printf("window shown %llu ms after the process was created, values stored %llu ms later\n",
                shown - started_, GetTickCount64() - shown);
    DWORD value = 0;
    ASSERT_TRUE(GetDword(L"x", value));
    EXPECT_EQ(value, 0xFFFFFFFFu);
    ASSERT_TRUE(GetDword(L"M2b", value));
    EXPECT_EQ(value, 0xFFFFFFFFu);
    ASSERT_TRUE(GetDword(L"_mausbuttonRight", value));
    EXPECT_EQ(value, 0xFFFFFFFFu);
    ASSERT_TRUE(GetDword(L"_updatespeed", value));
    EXPECT_EQ(value, 10u);
    ASSERT_TRUE(GetDword(L"CheckBoxGoBack", value));
    EXPECT_EQ(value, 1u);

    // A left-button-up on the tray icon shows the window again.
    HWND application = ApplicationWindow();
    ASSERT_NE(application, nullptr);
    PostMessageW(application, WM_USER + 1, 0, WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }, 5000));
    // A right click does nothing.
    PostMessageW(application, WM_USER + 1, 0, WM_RBUTTONUP);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(main));
    SignalShownAndWaitForScreenshot(main);

    // "Hilfe" opens the help window, maximised, with its rich-text view; its
    // close box hides it again.
    PostMessageW(FindWindowExW(main, nullptr, L"Button", L"Hilfe"), BM_CLICK, 0, 0);
    HWND help = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] { return (help = FindWindowW(L"PultaraForm", L"Hilfe")) && IsWindowVisible(help); },
        5000));
    EXPECT_TRUE(IsZoomed(help));
    EXPECT_NE(FindWindowExW(help, nullptr, L"RICHEDIT50W", nullptr), nullptr);
    PostMessageW(help, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(help); }, 5000));

    // Closing saves (the emptied key is whole again) and ends the program.
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process_.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ValueCount(), 86u);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pultara_exe_e2e <pultara.exe>\n");
        return 2;
    }
    exePath = WindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
