#include "demo_joystick.h"

#include <vector>

namespace pultara::qt {

DemoJoystick::DemoJoystick(std::vector<ScriptStep> steps) : steps_(std::move(steps)) {
    std::erase_if(steps_,
                  [](const ScriptStep& step) { return step.kind != ScriptStep::Kind::Sample; });
}

bool DemoJoystick::NextTick() {
    if (Finished()) {
        return false;
    }
    const JoystickSample& sample = steps_[step_].sample;
    const bool changed = !set_ || set_->xPos != sample.xPos || set_->yPos != sample.yPos ||
                         set_->zPos != sample.zPos || set_->buttons != sample.buttons;
    joystick_.Set(sample);
    set_ = sample;
    if (++tickInStep_ >= steps_[step_].ticks) {
        ++step_;
        tickInStep_ = 0;
    }
    return changed;
}

}  // namespace pultara::qt
