#pragma once
// What the tests of the real pultara.exe share: its windows and settings
// as seen from outside, and starting and ending the program.
#include <windows.h>

#include <string>
#include <vector>

#include "waiting.h"

namespace pultara::win32::testing {

inline constexpr wchar_t kSettingsKey[] = L"Software\\Orvendt\\tevorin";

// A Unix path as Wine sees it (drive Z: is the root).
std::wstring WindowsPath(const std::string& path);

// The path of the pultara.exe under test, given to the test program as its
// first argument (program_test_main.cpp).
const std::wstring& ProgramPath();

void PutDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value);
// A DWORD value under the program's settings key.
bool GetSettingsDword(const wchar_t* name, DWORD& value);
// How many values the program's settings key holds (0 without the key).
DWORD SettingsValueCount();

void WriteWholeFile(const std::wstring& path, const std::string& content);
bool FileExists(const std::wstring& path);

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
std::vector<HWND> Descendants(HWND parent);
// A button at any depth below `parent` with this caption.
HWND ChildButton(HWND parent, const wchar_t* caption);

// The program's main window, shown or not.
HWND MainWindow();
// The hidden window that owns the tray icon.
HWND ApplicationWindow();
// A shown window of the program with this caption, or null.
HWND ShownForm(const wchar_t* caption);
// What a click on the tray icon sends (left button up).
void PostTrayMessage(UINT mouseMessage);

// pultara.exe started by a test; ended by force at the end of the test if
// it is still running.
class RunningProgram {
public:
    RunningProgram() = default;
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Starts `exe` in `folder` (the test's own folder when empty).
    bool Start(const std::wstring& exe, const std::wstring& folder = {});
    HANDLE Process() const { return process_.hProcess; }
    // The program's first thread, which runs its windows.
    HANDLE WindowThread() const { return process_.hThread; }
    // Whether the program ended within `milliseconds`.
    bool WaitForExit(DWORD milliseconds) const;
    // The exit code of the ended program (STILL_ACTIVE while it runs).
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION process_{};
};

}  // namespace pultara::win32::testing
