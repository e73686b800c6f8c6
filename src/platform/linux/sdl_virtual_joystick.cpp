#include "platform/linux/sdl_virtual_joystick.h"

#include <SDL.h>

namespace pultara::linux_x11 {

namespace {
constexpr int kAxes = 3;
constexpr int kButtons = 12;

Sint16 SdlAxis(std::uint32_t position) {
    const std::uint32_t clamped = position > 65535 ? 65535 : position;
    return static_cast<Sint16>(static_cast<int>(clamped) - 32768);
}
}  // namespace

SdlVirtualJoystick::SdlVirtualJoystick() {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // SDL would take SIGINT and SIGTERM for its own event queue, which nobody
    // reads here: the program must still end when asked to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        return;
    }
    deviceIndex_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, kAxes, kButtons, 0);
    if (deviceIndex_ >= 0) {
        handle_ = SDL_JoystickOpen(deviceIndex_);
    }
}

SdlVirtualJoystick::~SdlVirtualJoystick() {
    if (handle_ != nullptr) {
        SDL_JoystickClose(handle_);
    }
    if (deviceIndex_ >= 0) {
        SDL_JoystickDetachVirtual(deviceIndex_);
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void SdlVirtualJoystick::Set(const JoystickSample& sample) {
    if (handle_ == nullptr) {
        return;
    }
    const std::uint32_t positions[kAxes] = {sample.xPos, sample.yPos, sample.zPos};
    for (int axis = 0; axis < kAxes; ++axis) {
        SDL_JoystickSetVirtualAxis(handle_, axis, SdlAxis(positions[axis]));
    }
    for (int button = 0; button < kButtons; ++button) {
        SDL_JoystickSetVirtualButton(handle_, button, (sample.buttons >> button) & 1u);
    }
}

}  // namespace pultara::linux_x11
