// A stored value of the wrong type ends the load of the real pultara.exe;
// before its next save writes over the values after it, the key is kept as a
// regedit file in the application-data folder and one box names that file.
//   unread_settings_e2e <path of pultara.exe>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "program_under_test.h"

namespace {

using namespace pultara::win32::testing;

void PutString(const wchar_t* name, const std::wstring& text) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// The longest text of the box: its message.
std::wstring MessageOf(HWND box) {
    std::wstring message;
    for (HWND child : Descendants(box)) {
        if (ClassOf(child) == L"Static" && TextOf(child).size() > message.size()) {
            message = TextOf(child);
        }
    }
    return message;
}

// A UTF-16 file with its byte-order mark, as text.
std::wstring ReadUtf16File(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) {
        return {};
    }
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    std::memcpy(text.data(), bytes.data() + 2, text.size() * sizeof(wchar_t));
    return text;
}

TEST(PultaraExe, AWrongTypedValueIsKeptInAFileThatTheBoxNames) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvendt");
    PutDword(HKEY_CURRENT_USER, kSettingsKey, L"M1fte", 1);
    PutDword(HKEY_CURRENT_USER, kSettingsKey, L"CheckBoxM1F", 0);
    PutDword(HKEY_CURRENT_USER, kSettingsKey, L"M1b1", 5);  // a text stored as a number
    for (int button = 2; button <= 12; ++button) {
        const std::wstring name = L"M1b" + std::to_wstring(button);
        PutString(name.c_str(), L"kept " + std::to_wstring(button));
    }
    RunningProgram program;
    ASSERT_TRUE(program.Start(ProgramPath()));

    HWND box = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            box = FindWindowW(L"#32770", L"Information");
            return box != nullptr && IsWindowVisible(box);
        },
        30000))
        << "no box after the first save";
    const std::wstring message = MessageOf(box);
    EXPECT_NE(message.find(L"\"M1b1\""), std::wstring::npos)
        << std::string(message.begin(), message.end());
    const std::wstring before = L"als \"";
    const std::size_t start = message.find(before);
    ASSERT_NE(start, std::wstring::npos);
    const std::size_t end = message.find(L'"', start + before.size());
    const std::wstring copy = message.substr(start + before.size(), end - start - before.size());
    EXPECT_NE(copy.find(L"settings-damaged-"), std::wstring::npos);
    ASSERT_TRUE(FileExists(copy));

    const std::wstring kept = ReadUtf16File(copy);
    EXPECT_NE(kept.find(L"[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin]"), std::wstring::npos);
    EXPECT_NE(kept.find(L"\"M1b1\"=dword:00000005"), std::wstring::npos);
    for (int button = 2; button <= 12; ++button) {
        const std::wstring line =
            L"\"M1b" + std::to_wstring(button) + L"\"=\"kept " + std::to_wstring(button) + L"\"";
        EXPECT_NE(kept.find(line), std::wstring::npos) << "missing M1b" << button;
    }

    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 5000));
    PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(15000));
    DeleteFileW(copy.c_str());
}

}  // namespace
