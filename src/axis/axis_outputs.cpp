#include "axis/axis_outputs.h"

#include "axis/mixer_control.h"

namespace pultara {

AxisOutputs::AxisOutputs(const Profile& profile, EngineState& state, Mixer& mixer, Mouse& mouse,
                         Processes& processes)
    : mixer_(mixer), pointer_(profile, state, mouse, processes) {}

void AxisOutputs::ApplyMixerAxis(std::uint32_t value, int control, bool inverted) {
    pultara::ApplyMixerAxis(mixer_, value, control, inverted);
}

}  // namespace pultara
