#pragma once
#include <cstdint>

#include "engine/engine_state.h"
#include "engine/operations.h"
#include "engine/profile.h"

namespace pultara {

// What the tick does with an axis position: the selected action's output
// (mixer, arrow keys or pointer) acts on it by that output's own rule, and
// the same rule answers whether a position would make it act.
class AxisDrive {
public:
    AxisDrive(const Profile& profile, EngineState& state, CommandOperations& commands,
              AxisOperations& axes);

    // The tick's step for `axis` at `position`.
    void Apply(Axis axis, std::uint32_t position);
    // Whether Apply would call anything or change any state.
    bool WouldAct(Axis axis, std::uint32_t position) const;

private:
    void MovePointer(const AxisActionTraits& traits, std::uint32_t position);

    const Profile& profile_;
    EngineState& state_;
    CommandOperations& commands_;
    AxisOperations& axes_;
};

}  // namespace pultara
