#pragma once

namespace pultara::win32 {

// Raw Input of HID game controllers (joysticks and gamepads) for a window,
// also while another program has the focus, with notices of devices coming
// and going: a sleeping poll timer waits for WM_INPUT and
// WM_INPUT_DEVICE_CHANGE (on XP: WM_DEVICECHANGE of HID devices). The
// joystick's state is still read with joyGetPos.
class RawInputWake {
public:
    explicit RawInputWake(void* window);
    ~RawInputWake();
    RawInputWake(const RawInputWake&) = delete;
    RawInputWake& operator=(const RawInputWake&) = delete;

    // Whether the system took the registration; without it nothing wakes a
    // sleeping timer, so it must not sleep.
    bool Registered() const { return registered_; }

    static bool IsInput(unsigned message);
    static bool IsDeviceChange(unsigned message);
    // The message that tells of a controller coming or going on this system.
    static unsigned DeviceChangeMessage();

private:
    bool registered_ = false;
    void* deviceNotification_ = nullptr;  // XP: the WM_DEVICECHANGE registration
};

}  // namespace pultara::win32
