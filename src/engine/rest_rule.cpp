#include "engine/rest_rule.h"

#include <algorithm>

#include "engine/key_command.h"

namespace pultara {

namespace {

// A released button whose box is still ticked is unticked by the tick (a
// release event), and a mouse button it pressed is let go. A repeating
// button's box is left alone, so only the owed mouse button counts there.
bool ButtonsRest(const Profile& profile, const EngineState& state, const JoystickSample& sample) {
    if ((sample.buttons & ((1U << kButtonCount) - 1U)) != 0) {
        return false;
    }
    for (int button = 1; button <= kButtonCount; ++button) {
        const auto index = static_cast<std::size_t>(button - 1);
        if (state.mouseUpOwed[index] != 0) {
            return false;
        }
        const bool repeating = IsRepeatingCommand(profile.ButtonCommand(state.activeMode, button));
        if (!repeating && state.buttonChecked[index]) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsAtRest(const Profile& profile, const EngineState& state, const AxisDrive& axes,
              const JoystickSample& sample, bool mainWindowShown) {
    // The first tick hides the window, and every complete tick leaves the
    // guards at their after-tick value: until then a tick changes state. A
    // new reading changes the sample the window shows.
    const bool settled = state.firstTickDone &&
                         std::all_of(state.arrowGuards.begin(), state.arrowGuards.end(),
                                     [](std::uint32_t g) { return g == kArrowGuardAfterTick; });
    const bool sameSample = sample.xPos == state.sample.xPos && sample.yPos == state.sample.yPos &&
                            sample.zPos == state.sample.zPos &&
                            sample.buttons == state.sample.buttons;
    return settled && sameSample && !mainWindowShown && ButtonsRest(profile, state, sample) &&
           !axes.WouldAct(Axis::X, sample.xPos) && !axes.WouldAct(Axis::Y, sample.yPos) &&
           !axes.WouldAct(Axis::Z, sample.zPos);
}

}  // namespace pultara
