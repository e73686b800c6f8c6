#pragma once
#include <cstdint>
#include <string>

#include "ports/joystick.h"

struct _SDL_Joystick;

namespace pultara::linux_x11 {

// Joystick 0 through SDL2: the first joystick SDL reports, opened on first
// use and again after it was unplugged, so that a joystick plugged in while
// the program runs is picked up. Events are read in the background (the
// program never has the focus). Axes 0, 1 and 2 give X, Y and Z (an axis the
// joystick lacks reads 0); buttons 1 to 12 give the bits of the mask. While
// no joystick is attached reads fail (the tick then takes the stick as
// resting).
class SdlJoystick : public Joystick {
public:
    SdlJoystick();
    ~SdlJoystick() override;
    SdlJoystick(const SdlJoystick&) = delete;
    SdlJoystick& operator=(const SdlJoystick&) = delete;

    bool Read(JoystickSample& sample) override;
    // Whether SDL's joystick service could be started at all.
    bool Available() const { return initialised_; }
    // Whether a joystick is open (as of the last read).
    bool Attached() const { return joystick_ != nullptr; }
    // The device node of the open joystick ("/dev/input/event5"); empty
    // without one, or for a joystick with no node (a virtual one).
    std::string DevicePath() const;
    // Counts the joysticks opened and closed, so that a caller can tell
    // cheaply whether DevicePath may have changed.
    std::uint32_t Openings() const { return openings_; }

private:
    bool EnsureOpen();

    bool initialised_ = false;
    _SDL_Joystick* joystick_ = nullptr;
    std::uint32_t openings_ = 0;
};

// The sample field value of an SDL axis position (-32768..32767).
std::uint32_t AxisToSample(int sdlPosition);

}  // namespace pultara::linux_x11
