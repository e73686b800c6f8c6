#include "engine/poll_cycle.h"

#include <exception>

namespace pultara {

PollCycle::PollCycle(const Profile& profile, EngineState& state, MainWindowPort& window,
                     Joystick& joystick, Dispatcher& dispatcher, CommandOperations& commands,
                     AxisOperations& axes, Dialogs& dialogs)
    : state_(state),
      window_(window),
      joystick_(joystick),
      dispatcher_(dispatcher),
      axes_(profile, state, commands, axes),
      dialogs_(dialogs) {}

void PollCycle::Timer1Timer() {
    try {
        RunTick();
    } catch (const std::exception& error) {
        dialogs_.ShowApplicationError(error.what());
    }
}

void PollCycle::RunTick() {
    if (!state_.firstTickDone) {
        window_.ButtonStartClick();
        state_.firstTickDone = true;
    }
    // While no joystick can be read (none plugged in, or unplugged), the
    // stick is centred and no button is held: held buttons are let go through
    // their ordinary release, and no axis keeps driving the pointer or keys.
    if (!joystick_.Read(state_.sample)) {
        state_.sample = kRestingSample;
    }
    window_.ShowAxisPositions(state_.sample);
    ApplyButtons();
    axes_.Apply(Axis::X, state_.sample.xPos);
    axes_.Apply(Axis::Y, state_.sample.yPos);
    axes_.Apply(Axis::Z, state_.sample.zPos);
    state_.arrowGuards.fill(kArrowGuardAfterTick);
}

// A repeating button runs on every tick while held and leaves its box alone;
// any other button's box follows the button, and a change of the box is the
// event.
void PollCycle::ApplyButtons() {
    for (int button = 1; button <= kButtonCount; ++button) {
        const bool pressed = (state_.sample.buttons >> (button - 1)) & 1U;
        if (dispatcher_.IsRepeatingButton(button)) {
            if (pressed) {
                dispatcher_.CheckBoxClick(button);
            }
        } else {
            dispatcher_.SetButtonChecked(button, pressed);
        }
        if (!pressed) {
            dispatcher_.LiftOwedMouseButton(button);
        }
    }
}

}  // namespace pultara
