#include "support/axis_rig.h"

namespace pultara::testing {

AxisRig::AxisRig() {
    Tick(32768, 32768, 32768);
    platform.log.Clear();
}

void AxisRig::Tick(std::uint32_t x, std::uint32_t y, std::uint32_t z) {
    platform.joystick.Queue(JoystickSample{x, y, z, 0});
    poll.Timer1Timer();
}

}  // namespace pultara::testing
