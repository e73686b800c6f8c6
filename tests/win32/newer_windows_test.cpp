#include "platform/win32/newer_windows.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace pultara::win32 {
namespace {

// GetTickCount wraps to 0 after 49.7 days; the widened count must go on
// upwards, or a sleeping poll would wait another 49 days to wake.
TEST(TickCount, WidenedCountGoesOnUpwardsAcrossTheWrap) {
    const std::uint64_t beforeWrap = 0xFFFF'FFF0;
    EXPECT_EQ(WidenTickCount(beforeWrap, 0xFFFF'FFFA), 0xFFFF'FFFAu);
    EXPECT_EQ(WidenTickCount(beforeWrap, 5), 0x1'0000'0005u);
    EXPECT_EQ(WidenTickCount(0x1'0000'0005u, 9), 0x1'0000'0009u);
    EXPECT_EQ(WidenTickCount(0x3'FFFF'FFFFu, 0), 0x4'0000'0000u);
}

// The system's own count and the widened one (on XP, or Wine set to XP)
// agree with GetTickCount in their low 32 bits.
TEST(TickCount, FollowsTheSystemsCount) {
    const DWORD before = GetTickCount();
    const std::uint64_t count = TickCount64();
    const DWORD after = GetTickCount();
    EXPECT_LE(static_cast<DWORD>(count) - before, after - before);
    EXPECT_GE(TickCount64(), count);
}

}  // namespace
}  // namespace pultara::win32
