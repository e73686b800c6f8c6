#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <cstdint>

#include "platform/win32/wide_text.h"

namespace pultara::win32 {

namespace {

HWND Handle(WindowId window) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}
WindowId Id(HWND window) {
    return static_cast<WindowId>(reinterpret_cast<std::uintptr_t>(window));
}

// Long enough for the foreground machinery; a window that does not answer
// within it is treated as hung.
constexpr UINT kSysCommandTimeoutMs = 5000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<WindowId>*>(list)->push_back(Id(window));
    return TRUE;
}

}  // namespace

WindowId Win32Desktop::FindWindowByTitle(const std::string& title) {
    return Id(FindWindowW(nullptr, Widen(title).c_str()));
}

std::vector<WindowId> Win32Desktop::EnumerateWindows() {
    std::vector<WindowId> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string Win32Desktop::WindowTitle(WindowId window) {
    const HWND handle = Handle(window);
    const int length = GetWindowTextLengthW(handle);
    if (length <= 0) {
        return {};
    }
    std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(handle, title.data(), length + 1);
    return Narrow(title.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

bool Win32Desktop::IsWindowVisible(WindowId window) {
    return ::IsWindowVisible(Handle(window)) != FALSE;
}

void Win32Desktop::SendSysCommand(WindowId window, std::uint32_t command) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(Handle(window), WM_SYSCOMMAND, command, static_cast<LPARAM>(window),
                        SMTO_NORMAL | SMTO_ABORTIFHUNG, kSysCommandTimeoutMs, &result);
}

bool Win32Desktop::IsIconic(WindowId window) {
    return ::IsIconic(Handle(window)) != FALSE;
}

void Win32Desktop::ShowWindow(WindowId window, int showCommand) {
    ::ShowWindow(Handle(window), showCommand);
}

WindowId Win32Desktop::ForegroundWindow() {
    return Id(GetForegroundWindow());
}

std::uint32_t Win32Desktop::WindowThreadId(WindowId window) {
    return GetWindowThreadProcessId(Handle(window), nullptr);
}

bool Win32Desktop::AttachThreadInput(std::uint32_t thread, std::uint32_t toThread, bool attach) {
    return ::AttachThreadInput(thread, toThread, attach ? TRUE : FALSE) != FALSE;
}

void Win32Desktop::BringWindowToTop(WindowId window) {
    ::BringWindowToTop(Handle(window));
}

bool Win32Desktop::SetForegroundWindow(WindowId window) {
    return ::SetForegroundWindow(Handle(window)) != FALSE;
}

bool Win32Desktop::GetForegroundLockTimeout(std::uint32_t& milliseconds) {
    DWORD timeout = 0;
    if (!SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0)) {
        return false;
    }
    milliseconds = timeout;
    return true;
}

void Win32Desktop::SetForegroundLockTimeout(std::uint32_t milliseconds) {
    // The new value travels in the pointer argument itself.
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                          reinterpret_cast<PVOID>(static_cast<std::uintptr_t>(milliseconds)),
                          SPIF_SENDCHANGE);
}

PlatformVersion Win32Desktop::Version() {
    return RealPlatformVersion();
}

PlatformVersion RealPlatformVersion() {
    // GetVersionEx reports Windows 8 on later systems unless the manifest
    // names them; the kernel's own call does not.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion =
        ntdll != nullptr ? reinterpret_cast<RtlGetVersionFn>(
                               reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                         : nullptr;
    if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) {
        return {};
    }
    PlatformVersion version;
    version.family = info.dwPlatformId == VER_PLATFORM_WIN32_NT ? PlatformFamily::WindowsNT
                     : info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS
                         ? PlatformFamily::Windows9x
                         : PlatformFamily::Unversioned;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    return version;
}

}  // namespace pultara::win32
