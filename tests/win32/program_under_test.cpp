#include "program_under_test.h"

#include <algorithm>
#include <cstdio>

namespace pultara::win32::testing {

std::wstring WindowsPath(const std::string& path) {
    std::wstring wide(path.begin(), path.end());
    if (!wide.empty() && wide[0] == L'/') {
        std::replace(wide.begin(), wide.end(), L'/', L'\\');
        wide = L"Z:" + wide;
    }
    return wide;
}

void PutDword(HKEY root, const wchar_t* path, const wchar_t* name, DWORD value) {
    HKEY key = nullptr;
    RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    RegCloseKey(key);
}

bool GetSettingsDword(const wchar_t* name, DWORD& value) {
    DWORD size = sizeof(value);
    return RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                        &size) == ERROR_SUCCESS;
}

DWORD SettingsValueCount() {
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

void WriteWholeFile(const std::wstring& path, const std::string& content) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> found;
    // A lambda converts to a pointer of the default calling convention, not
    // the callback's stdcall of 32-bit Windows.
    struct Collect {
        static BOOL CALLBACK Child(HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        }
    };
    EnumChildWindows(parent, Collect::Child, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND ChildButton(HWND parent, const wchar_t* caption) {
    for (HWND child : Descendants(parent)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Button") == 0 && TextOf(child) == caption) {
            return child;
        }
    }
    return nullptr;
}

HWND MainWindow() {
    return FindWindowW(L"PultaraForm", L"Pultara");
}

HWND ApplicationWindow() {
    return FindWindowW(L"PultaraApplication", nullptr);
}

HWND ShownForm(const wchar_t* caption) {
    HWND window = FindWindowW(L"PultaraForm", caption);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

void PostTrayMessage(UINT mouseMessage) {
    PostMessageW(ApplicationWindow(), WM_USER + 1, 0, mouseMessage);
}

RunningProgram::~RunningProgram() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
}

bool RunningProgram::Start(const std::wstring& exe, const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring line = L"\"" + exe + L"\"";
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &process_) != FALSE) {
        return true;
    }
    // The reason goes into the test's output: a failed start is otherwise only "false".
    std::fwprintf(stderr, L"CreateProcessW(%ls) failed with error %lu\n", line.c_str(),
                  GetLastError());
    return false;
}

bool RunningProgram::WaitForExit(DWORD milliseconds) const {
    return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

}  // namespace pultara::win32::testing
