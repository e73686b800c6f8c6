#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/axis_action.h"
#include "engine/profile.h"
#include "ports/joystick.h"

namespace pultara {

// The axis position last handed to each mixer control, uninverted, whichever
// axis sent it; 0 until one is sent. The tick sends a control only a position
// that differs from it, and remembers it here whether or not the mixer took it.
class SentMixerPositions {
public:
    bool IsNew(int control, std::uint32_t position) const {
        return position != positions_[Slot(control)];
    }
    void Remember(int control, std::uint32_t position) { positions_[Slot(control)] = position; }
    std::uint32_t Last(int control) const { return positions_[Slot(control)]; }
    bool operator==(const SentMixerPositions&) const = default;

private:
    static std::size_t Slot(int control) {
        return control == kMixerTreble || control == kMixerBass
                   ? static_cast<std::size_t>(control - 1)
                   : 0;
    }
    std::array<std::uint32_t, 3> positions_{};
};

// Value the arrow guards take after every tick.
inline constexpr std::uint32_t kArrowGuardAfterTick = 666;

// The sample while no joystick can be read: every axis centred, no button.
inline constexpr JoystickSample kRestingSample{32768, 32768, 32768, 0};

// Runtime state that lives beside the Profile and is never stored.
struct EngineState {
    JoystickSample sample;
    bool firstTickDone = false;
    SentMixerPositions mixerSent;
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
