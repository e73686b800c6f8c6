#include "platform/linux/sdl_joystick.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/linux/sdl_virtual_joystick.h"

namespace pultara::linux_x11 {
namespace {

bool operator==(const JoystickSample& a, const JoystickSample& b) {
    return a.xPos == b.xPos && a.yPos == b.yPos && a.zPos == b.zPos && a.buttons == b.buttons;
}

TEST(SdlAxes, SdlPositionsMapOntoTheFullUnsignedRange) {
    EXPECT_EQ(AxisToSample(-32768), 0u);
    EXPECT_EQ(AxisToSample(0), 32768u);
    EXPECT_EQ(AxisToSample(32767), 65535u);
}

// SDL's virtual joystick needs no hardware and no display.
TEST(SdlJoystickReading, FollowsAJoystickPluggedInAndOutWhileRunning) {
    SdlJoystick joystick;
    ASSERT_TRUE(joystick.Available());
    const JoystickSample untouched{1, 2, 3, 4};
    JoystickSample sample = untouched;
    EXPECT_FALSE(joystick.Read(sample));
    EXPECT_TRUE(sample == untouched);

    auto plugged = std::make_unique<SdlVirtualJoystick>();
    ASSERT_TRUE(plugged->Attached());
    const JoystickSample pressed{0, 65535, 32768, 0x801};  // buttons 1 and 12
    plugged->Set(pressed);
    EXPECT_TRUE(joystick.Read(sample));
    EXPECT_TRUE(sample == pressed);

    plugged->Set(JoystickSample{100, 200, 300, 0x2});
    EXPECT_TRUE(joystick.Read(sample));
    EXPECT_EQ(sample.buttons, 0x2u);

    // Unplugged: the sample keeps the last reading.
    plugged.reset();
    const JoystickSample before = sample;
    EXPECT_FALSE(joystick.Read(sample));
    EXPECT_TRUE(sample == before);

    // Plugged in again: picked up without restarting.
    SdlVirtualJoystick again;
    again.Set(JoystickSample{65535, 0, 0, 0x10});
    EXPECT_TRUE(joystick.Read(sample));
    EXPECT_TRUE(sample == (JoystickSample{65535, 0, 0, 0x10}));
}

}  // namespace
}  // namespace pultara::linux_x11
