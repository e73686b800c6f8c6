#include "platform/win32/win32_shell.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <commdlg.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace pultara::win32 {

std::string Win32Files::ExecutableDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // a long path: try a larger buffer
    }
    return Narrow(path.substr(0, path.find_last_of(L"\\/") + 1));
}

std::optional<std::string> Win32Files::ReadFile(const std::string& path) {
    const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string content;
    char buffer[16384];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) != FALSE) && got > 0) {
        content.append(buffer, got);
    }
    CloseHandle(file);
    if (!ok) {
        return std::nullopt;
    }
    return content;
}

std::optional<std::string> Win32FileDialog::OpenFile(const std::string& initialFile,
                                                     const std::string& filterDescription,
                                                     const std::string& filterPattern) {
    // The filter is pairs of zero-terminated texts, ended by an empty one.
    std::wstring filter = Widen(filterDescription);
    filter.push_back(L'\0');
    filter += Widen(filterPattern);
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring initial = Widen(initialFile);
    if (initial.size() < file.size()) {
        std::copy(initial.begin(), initial.end(), file.begin());
    }
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = static_cast<HWND>(owner_);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return Narrow(std::wstring(file.data()));
}

}  // namespace pultara::win32
