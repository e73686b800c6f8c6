#include "platform/win32/raw_input_wake.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <dbt.h>

#include "platform/win32/newer_windows.h"

namespace pultara::win32 {

namespace {

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kJoystickUsage = 0x04;
constexpr USHORT kGamepadUsage = 0x05;
// The device interface class of HID devices (GUID_DEVINTERFACE_HID).
constexpr GUID kHidInterface = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

bool Register(HWND window, DWORD flags) {
    RAWINPUTDEVICE devices[2] = {};
    const USHORT usages[2] = {kJoystickUsage, kGamepadUsage};
    for (int i = 0; i < 2; ++i) {
        devices[i].usUsagePage = kGenericDesktopPage;
        devices[i].usUsage = usages[i];
        devices[i].dwFlags = flags;
        devices[i].hwndTarget = window;
    }
    return RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE)) != FALSE;
}

// XP: WM_DEVICECHANGE for HID devices arriving and leaving.
void* NotifyHidChanges(HWND window) {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterface;
    return RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

}  // namespace

RawInputWake::RawInputWake(void* window) {
    const auto target = static_cast<HWND>(window);
    if (RawInputDeviceNotices()) {
        registered_ = Register(target, RIDEV_INPUTSINK | kRawInputDeviceNotify);
        return;
    }
    registered_ = Register(target, RIDEV_INPUTSINK);
    if (registered_) {
        deviceNotification_ = NotifyHidChanges(target);
        registered_ = deviceNotification_ != nullptr;
    }
}

RawInputWake::~RawInputWake() {
    if (deviceNotification_ != nullptr) {
        UnregisterDeviceNotification(deviceNotification_);
    }
    Register(nullptr, RIDEV_REMOVE);
}

bool RawInputWake::IsInput(unsigned message) {
    return message == WM_INPUT;
}

bool RawInputWake::IsDeviceChange(unsigned message) {
    return message == DeviceChangeMessage();
}

unsigned RawInputWake::DeviceChangeMessage() {
    return RawInputDeviceNotices() ? kWmInputDeviceChange : WM_DEVICECHANGE;
}

}  // namespace pultara::win32
