#include "engine/poll_cycle.h"

#include <exception>

namespace pultara {

namespace {

// Arrow keys: the low end is below 20000, the high end above 40000.
constexpr std::uint32_t kArrowLowEnd = 20000;
constexpr std::uint32_t kArrowHighEnd = 40000;

struct ArrowKeys {
    const char* low;
    const char* high;
};

ArrowKeys ArrowKeysFor(AxisAction action) {
    switch (action) {
        case AxisAction::ArrowsLeftRight: return {"{left}", "{right}"};
        case AxisAction::ArrowsRightLeft: return {"{right}", "{left}"};
        case AxisAction::ArrowsUpDown: return {"{UP}", "{DOWN}"};
        default: return {"{DOWN}", "{UP}"};
    }
}

}  // namespace

PollCycle::PollCycle(const Profile& profile, EngineState& state, MainWindowPort& window,
                     Joystick& joystick, Dispatcher& dispatcher, CommandOperations& commands,
                     AxisOperations& axes, Dialogs& dialogs)
    : profile_(profile),
      state_(state),
      window_(window),
      joystick_(joystick),
      dispatcher_(dispatcher),
      commands_(commands),
      axes_(axes),
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
    ApplyAxis(Axis::X, state_.sample.xPos);
    ApplyAxis(Axis::Y, state_.sample.yPos);
    ApplyAxis(Axis::Z, state_.sample.zPos);
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

void PollCycle::ApplyAxis(Axis axis, std::uint32_t position) {
    const AxisAction action = AxisActionFor(axis, profile_.AxisListPosition(axis));
    const int value = static_cast<int>(action);
    if (value >= 1 && value <= 6) {
        ApplyMixer(action, position);
    } else if (value >= 7 && value <= 10) {
        ApplyArrows(action, position, state_.arrowGuards[static_cast<int>(axis)]);
    } else if (value >= 11) {
        ApplyPointer(action, position);
    }
}

// The mixer hears only of a position that differs from the one last sent for
// that kind, whichever axis sent it.
void PollCycle::ApplyMixer(AxisAction action, std::uint32_t position) {
    const int value = static_cast<int>(action);
    const int kind = (value + 1) / 2;
    const bool inverted = value % 2 == 0;
    if (position != state_.lastMixerValues[kind - 1]) {
        axes_.ApplyMixerAxis(position, kind, inverted);
    }
}

void PollCycle::ApplyArrows(AxisAction action, std::uint32_t position, std::uint32_t guard) {
    const ArrowKeys keys = ArrowKeysFor(action);
    if (position < kArrowLowEnd && position != guard) {
        commands_.SendAxisKeys(keys.low);
    } else if (position > kArrowHighEnd && position != guard) {
        commands_.SendAxisKeys(keys.high);
    }
}

void PollCycle::ApplyPointer(AxisAction action, std::uint32_t position) {
    switch (action) {
        case AxisAction::PointerX: axes_.MovePointerX(position); break;
        case AxisAction::PointerXInverted: axes_.MovePointerXInverted(position); break;
        case AxisAction::PointerY: axes_.MovePointerY(position); break;
        default: axes_.MovePointerYInverted(position); break;
    }
}

}  // namespace pultara
