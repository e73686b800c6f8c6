#include "platform/win32/win32_tray.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <iterator>

#include "platform/win32/wide_text.h"

namespace pultara::win32 {

namespace {

NOTIFYICONDATAA Record(void* window, void* iconHandle, const TrayIcon& icon) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = static_cast<HWND>(window);
    data.uID = icon.id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = icon.callbackMessage;
    data.hIcon = static_cast<HICON>(iconHandle);
    // The first-version record has 64 characters of tip, zero-filled.
    std::copy_n(icon.tip.begin(), std::min<std::size_t>(icon.tip.size(), 63), data.szTip);
    return data;
}

}  // namespace

void Win32Tray::AddIcon(const TrayIcon& icon) {
    NOTIFYICONDATAA data = Record(window_, icon_, icon);
    Shell_NotifyIconA(NIM_ADD, &data);
}

void Win32Tray::RemoveIcon(const TrayIcon& icon) {
    NOTIFYICONDATAA data = Record(window_, icon_, icon);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

void Win32Tray::ShowNotice(const TrayIcon& icon, const std::string& title,
                           const std::string& text) {
    constexpr UINT kNoticeMs = 15000;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = static_cast<HWND>(window_);
    data.uID = icon.id;
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_INFO;
    data.uTimeout = kNoticeMs;
    const std::wstring wideTitle = Widen(title);
    const std::wstring wideText = Widen(text);
    // Both fields are zero-filled; the last character stays the terminator.
    std::copy_n(wideTitle.begin(), std::min(wideTitle.size(), std::size(data.szInfoTitle) - 1),
                data.szInfoTitle);
    std::copy_n(wideText.begin(), std::min(wideText.size(), std::size(data.szInfo) - 1),
                data.szInfo);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

std::uint32_t Win32Tray::RegisterTaskbarCreatedMessage() {
    return RegisterWindowMessageA("TaskbarCreated");
}

}  // namespace pultara::win32
