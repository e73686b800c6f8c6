#include "platform/linux/sdl_joystick.h"

#include <SDL.h>

namespace pultara::linux_x11 {

namespace {
constexpr int kButtons = 12;
}

std::uint32_t AxisToSample(int sdlPosition) {
    return static_cast<std::uint32_t>(sdlPosition + 32768);
}

SdlJoystick::SdlJoystick() {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // SDL would take SIGINT and SIGTERM for its own event queue, which nobody
    // reads here: the program must still end when asked to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    initialised_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    if (initialised_) {
        // The state is read by polling; queued events would only pile up.
        SDL_JoystickEventState(SDL_IGNORE);
    }
}

SdlJoystick::~SdlJoystick() {
    if (joystick_ != nullptr) {
        SDL_JoystickClose(joystick_);
    }
    if (initialised_) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
}

bool SdlJoystick::EnsureOpen() {
    if (joystick_ != nullptr && !SDL_JoystickGetAttached(joystick_)) {
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        ++openings_;
    }
    if (joystick_ == nullptr && SDL_NumJoysticks() > 0) {
        joystick_ = SDL_JoystickOpen(0);
        openings_ += joystick_ != nullptr ? 1 : 0;
    }
    return joystick_ != nullptr;
}

std::string SdlJoystick::DevicePath() const {
    const char* path = joystick_ != nullptr ? SDL_JoystickPath(joystick_) : nullptr;
    return path != nullptr ? path : "";
}

bool SdlJoystick::Read(JoystickSample& sample) {
    if (!initialised_) {
        return false;
    }
    SDL_JoystickUpdate();  // also notices joysticks plugged in or out
    if (!EnsureOpen()) {
        return false;
    }
    const int axes = SDL_JoystickNumAxes(joystick_);
    std::uint32_t* fields[] = {&sample.xPos, &sample.yPos, &sample.zPos};
    for (int axis = 0; axis < 3; ++axis) {
        *fields[axis] = axis < axes ? AxisToSample(SDL_JoystickGetAxis(joystick_, axis)) : 0;
    }
    const int buttons = SDL_JoystickNumButtons(joystick_);
    sample.buttons = 0;
    for (int button = 0; button < kButtons && button < buttons; ++button) {
        if (SDL_JoystickGetButton(joystick_, button) != 0) {
            sample.buttons |= 1u << button;
        }
    }
    return true;
}

}  // namespace pultara::linux_x11
