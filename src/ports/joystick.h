#pragma once
#include <cstdint>

namespace pultara {

// One reading of joystick 0: three positions 0..65535 and the button mask
// (bit n-1 set while button n is held, buttons 1 to 12). Field order and
// widths follow the classic JOYINFO record.
struct JoystickSample {
    std::uint32_t xPos = 0;
    std::uint32_t yPos = 0;
    std::uint32_t zPos = 0;
    std::uint32_t buttons = 0;
};

class Joystick {
public:
    virtual ~Joystick() = default;
    // Fills `sample` with the current state of joystick 0 and says whether
    // it could. On failure the sample may be left as it was; the tick then
    // takes the stick as resting.
    virtual bool Read(JoystickSample& sample) = 0;
};

}  // namespace pultara
