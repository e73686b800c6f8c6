#include "platform/win32/win32_processes.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace pultara::win32 {

bool Win32Processes::StartProcess(const std::string& commandLine) {
    std::wstring line = Widen(commandLine);  // CreateProcess may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEOFFFEEDBACK;
    startup.wShowWindow = SW_RESTORE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    ResumeThread(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return true;
}

void Win32Processes::ShellOpen(const std::string& file, const std::string& parameters) {
    ShellExecuteW(static_cast<HWND>(owner_), L"open", Widen(file).c_str(),
                  Widen(parameters).c_str(), L"", SW_SHOWNORMAL);
}

bool Win32Processes::FileExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void Win32Processes::SetPriority(ProcessPriority priority) {
    SetPriorityClass(GetCurrentProcess(), priority == ProcessPriority::High
                                              ? HIGH_PRIORITY_CLASS
                                              : NORMAL_PRIORITY_CLASS);
}

}  // namespace pultara::win32
