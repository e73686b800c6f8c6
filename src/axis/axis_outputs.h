#pragma once
#include <cstdint>

#include "axis/pointer_motion.h"
#include "engine/engine_state.h"
#include "engine/operations.h"
#include "engine/profile.h"
#include "ports/mixer.h"
#include "ports/mouse.h"
#include "ports/platform.h"
#include "ports/processes.h"

namespace pultara {

// What the poll tick does with an axis bound to the mixer or the pointer.
// The pointer remainders live in EngineState; the speed limit is taken from
// the Profile on every call.
class AxisOutputs : public AxisOperations {
public:
    AxisOutputs(const Profile& profile, EngineState& state, Mixer& mixer, Mouse& mouse,
                Processes& processes);
    AxisOutputs(const Profile& profile, EngineState& state, const Platform& platform)
        : AxisOutputs(profile, state, platform.mixer, platform.mouse, platform.processes) {}

    void ApplyMixerAxis(std::uint32_t value, int control, bool inverted) override;
    void MovePointerX(std::uint32_t value) override { pointer_.MovePointerX(value); }
    void MovePointerXInverted(std::uint32_t value) override {
        pointer_.MovePointerXInverted(value);
    }
    void MovePointerY(std::uint32_t value) override { pointer_.MovePointerY(value); }
    void MovePointerYInverted(std::uint32_t value) override {
        pointer_.MovePointerYInverted(value);
    }
    bool PointerWouldAct(std::uint32_t value, bool horizontal) const override {
        return pointer_.WouldAct(value, horizontal);
    }

private:
    Mixer& mixer_;
    PointerMotion pointer_;
};

}  // namespace pultara
