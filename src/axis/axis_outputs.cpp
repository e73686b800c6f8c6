#include "axis/axis_outputs.h"

#include "axis/mixer_control.h"

namespace pultara {

AxisOutputs::AxisOutputs(const Profile& profile, EngineState& state, Mixer& mixer, Mouse& mouse,
                         Processes& processes)
    : state_(state), mixer_(mixer), pointer_(profile, state, mouse, processes) {}

void AxisOutputs::ApplyMixerAxis(std::uint32_t value, int kind, bool inverted) {
    pultara::ApplyMixerAxis(mixer_, state_.lastMixerValues, value, kind, inverted);
}

}  // namespace pultara
