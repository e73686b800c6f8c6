#pragma once
#include "ports/joystick.h"

struct _SDL_Joystick;

namespace pultara::linux_x11 {

// A joystick that exists only in SDL (three axes, twelve buttons), for trying
// and testing the program without hardware. It becomes joystick 0 when no
// real one is attached. Set a sample, and the next read of SdlJoystick sees it.
class SdlVirtualJoystick {
public:
    SdlVirtualJoystick();
    ~SdlVirtualJoystick();
    SdlVirtualJoystick(const SdlVirtualJoystick&) = delete;
    SdlVirtualJoystick& operator=(const SdlVirtualJoystick&) = delete;

    bool Attached() const { return handle_ != nullptr; }
    void Set(const JoystickSample& sample);

private:
    int deviceIndex_ = -1;
    _SDL_Joystick* handle_ = nullptr;
};

}  // namespace pultara::linux_x11
