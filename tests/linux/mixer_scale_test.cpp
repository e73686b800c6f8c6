#include <gtest/gtest.h>

#include "platform/linux/alsa_mixer.h"

namespace pultara::linux_x11 {
namespace {

TEST(MixerScale, TheEndsOfTheAxisReachTheEndsOfEachElementsRange) {
    EXPECT_EQ(ScaleToRange(0, 0, 65536), 0);
    EXPECT_EQ(ScaleToRange(65535, 0, 65536), 65536);
    EXPECT_EQ(ScaleToRange(0, -9000, 0), -9000);
    EXPECT_EQ(ScaleToRange(65535, -9000, 0), 0);
    EXPECT_EQ(ScaleToRange(65535, 0, 31), 31);
    EXPECT_EQ(ScaleToRange(32768, 0, 100), 50);
}

TEST(MixerScale, ValuesAboveTheRangeAreClampedAndAnEmptyRangeStays) {
    EXPECT_EQ(ScaleToRange(70000, 0, 255), 255);
    EXPECT_EQ(ScaleToRange(4000000000u, 0, 255), 255);
    EXPECT_EQ(ScaleToRange(12345, 7, 7), 7);
}

}  // namespace
}  // namespace pultara::linux_x11
