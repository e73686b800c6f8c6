#include "platform/win32/raw_input_wake.h"

#include <windows.h>

namespace pultara::win32 {

namespace {

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kJoystickUsage = 0x04;
constexpr USHORT kGamepadUsage = 0x05;

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

}  // namespace

RawInputWake::RawInputWake(void* window)
    : registered_(Register(static_cast<HWND>(window), RIDEV_INPUTSINK | RIDEV_DEVNOTIFY)) {}

RawInputWake::~RawInputWake() {
    if (registered_) {
        Register(nullptr, RIDEV_REMOVE);
    }
}

bool RawInputWake::IsInput(unsigned message) {
    return message == WM_INPUT;
}

bool RawInputWake::IsDeviceChange(unsigned message) {
    return message == WM_INPUT_DEVICE_CHANGE;
}

}  // namespace pultara::win32
