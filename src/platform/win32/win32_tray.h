#pragma once
#include "ports/tray.h"

namespace pultara::win32 {

// The notification-area icon, owned by a hidden top-level window (a
// message-only window would never hear "TaskbarCreated"). The record is the
// classic first-version NOTIFYICONDATAA: cbSize NOTIFYICONDATAA_V1_SIZE (88
// bytes in a 32-bit build), flags NIF_MESSAGE | NIF_ICON | NIF_TIP, a
// 64-character tip.
class Win32Tray : public Tray {
public:
    Win32Tray(void* window, void* icon) : window_(window), icon_(icon) {}
    // Windows always has a notification area; while the taskbar is away the
    // icon comes back with "TaskbarCreated".
    bool IsAvailable() override { return true; }
    void AddIcon(const TrayIcon& icon) override;
    void RemoveIcon(const TrayIcon& icon) override;
    std::uint32_t RegisterTaskbarCreatedMessage() override;
    // A balloon at the icon: NIM_MODIFY with NIF_INFO in the wide record,
    // the only one that carries a balloon's text.
    void ShowNotice(const TrayIcon& icon, const std::string& title,
                    const std::string& text) override;

private:
    void* window_;
    void* icon_;
};

}  // namespace pultara::win32
