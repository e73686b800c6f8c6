#include "engine/rest_rule.h"

#include <algorithm>

#include "axis/pointer_motion.h"
#include "engine/axis_action.h"

namespace pultara {

namespace {

// The arrow keys' dead zone, inclusive at both ends.
constexpr std::uint32_t kArrowLowEnd = 20000;
constexpr std::uint32_t kArrowHighEnd = 40000;

bool IsRepeatingCommand(const std::string& command) {
    return command.size() >= 2 && command[0] == '#';
}

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

bool AxisRests(const Profile& profile, const EngineState& state, Axis axis,
               std::uint32_t position) {
    const AxisAction action = AxisActionFor(axis, profile.AxisListPosition(axis));
    const int value = static_cast<int>(action);
    if (value >= 1 && value <= 6) {
        const int kind = (value + 1) / 2;
        return position == state.lastMixerValues[static_cast<std::size_t>(kind - 1)];
    }
    if (value >= 7 && value <= 10) {
        const std::uint32_t guard = state.arrowGuards[static_cast<std::size_t>(axis)];
        return (position >= kArrowLowEnd && position <= kArrowHighEnd) || position == guard;
    }
    if (value >= 11) {
        const bool horizontal =
            action == AxisAction::PointerX || action == AxisAction::PointerXInverted;
        const double remainder = horizontal ? state.horizontalRemainder : state.verticalRemainder;
        return PointerStaysStill(position, profile.MaxMouseSpeed(), remainder);
    }
    return true;
}

}  // namespace

bool IsAtRest(const Profile& profile, const EngineState& state, const JoystickSample& sample,
              bool mainWindowShown) {
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
           AxisRests(profile, state, Axis::X, sample.xPos) &&
           AxisRests(profile, state, Axis::Y, sample.yPos) &&
           AxisRests(profile, state, Axis::Z, sample.zPos);
}

}  // namespace pultara
