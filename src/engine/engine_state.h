#pragma once
#include <array>
#include <cstdint>

#include "engine/profile.h"
#include "ports/joystick.h"

namespace pultara {

// Mixer kinds as the axis actions name them; LastMixerValues has one slot each.
inline constexpr int kMixerVolume = 1;
inline constexpr int kMixerTreble = 2;
inline constexpr int kMixerBass = 3;

// Value the arrow guards take after every tick.
inline constexpr std::uint32_t kArrowGuardAfterTick = 666;

// The sample while no joystick can be read: every axis centred, no button.
inline constexpr JoystickSample kRestingSample{32768, 32768, 32768, 0};

// Runtime state that lives beside the Profile and is never stored.
struct EngineState {
    JoystickSample sample;
    bool firstTickDone = false;
    // Axis position last handed to the mixer, uninverted: volume, treble, bass.
    std::array<std::uint32_t, 3> lastMixerValues{};
    // Arrow-key guard per axis X, Y, Z: 0 before the first tick.
    std::array<std::uint32_t, 3> arrowGuards{};
    int activeMode = 1;
    // Sub-pixel accumulators of the pointer motion.
    double horizontalRemainder = 0.0;
    double verticalRemainder = 0.0;
    // Checked state of the twelve button boxes: the dispatcher's record of
    // which buttons are down.
    std::array<bool, kButtonCount> buttonChecked{};
    // Mouse-button-up event owed per joystick button: set when the button
    // pressed a global mouse button, cleared when that button is lifted.
    std::array<std::uint32_t, kButtonCount> mouseUpOwed{};
};

}  // namespace pultara
