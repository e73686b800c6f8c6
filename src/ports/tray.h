#pragma once
#include <cstdint>
#include <string>

namespace pultara {

// The program's icon in the notification area, as the platform's tray call
// receives it.
struct TrayIcon {
    std::uint32_t id = 0;
    std::uint32_t callbackMessage = 0x401;  // WM_USER + 1
    std::string tip = "Pultara";
};

// Mouse events on the icon, as the callback reports them.
enum class TrayEvent {
    LeftButtonDown,
    LeftButtonUp,
    LeftDoubleClick,
    RightButtonDown,
    RightButtonUp,
    Other
};

// The notification area. Results are not examined by the program; a lost
// icon comes back with the next "TaskbarCreated".
class Tray {
public:
    virtual ~Tray() = default;
    // Whether the desktop has a notification area at all.
    virtual bool IsAvailable() = 0;
    virtual void AddIcon(const TrayIcon& icon) = 0;
    virtual void RemoveIcon(const TrayIcon& icon) = 0;
    // Registers the "TaskbarCreated" message; 0 when the platform has none.
    virtual std::uint32_t RegisterTaskbarCreatedMessage() = 0;
    // A short notice that points at the icon (a balloon), shown once the
    // icon is there.
    virtual void ShowNotice(const TrayIcon& icon, const std::string& title,
                            const std::string& text) = 0;
};

}  // namespace pultara
