#include "engine/axis_drive.h"

#include <cstddef>

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

// The keys an arrow-key axis types at `position`: none between the two ends
// (inclusive) nor at the guard value the axis still holds from this tick.
const char* ArrowKeysAt(AxisAction action, std::uint32_t position, std::uint32_t guard) {
    if (position == guard) {
        return nullptr;
    }
    if (position < kArrowLowEnd) {
        return ArrowKeysFor(action).low;
    }
    if (position > kArrowHighEnd) {
        return ArrowKeysFor(action).high;
    }
    return nullptr;
}

}  // namespace

AxisDrive::AxisDrive(const Profile& profile, EngineState& state, CommandOperations& commands,
                     AxisOperations& axes)
    : profile_(profile), state_(state), commands_(commands), axes_(axes) {}

void AxisDrive::Apply(Axis axis, std::uint32_t position) {
    const AxisAction action = AxisActionFor(axis, profile_.AxisListPosition(axis));
    const AxisActionTraits traits = TraitsOf(action);
    switch (traits.output) {
        case AxisOutput::Mixer:
            if (state_.mixerSent.IsNew(traits.mixerControl, position)) {
                state_.mixerSent.Remember(traits.mixerControl, position);
                axes_.ApplyMixerAxis(position, traits.mixerControl, traits.inverted);
            }
            break;
        case AxisOutput::ArrowKeys: {
            const std::uint32_t guard = state_.arrowGuards[static_cast<std::size_t>(axis)];
            if (const char* keys = ArrowKeysAt(action, position, guard)) {
                commands_.SendAxisKeys(keys);
            }
            break;
        }
        case AxisOutput::Pointer: MovePointer(traits, position); break;
        case AxisOutput::None: break;
    }
}

bool AxisDrive::WouldAct(Axis axis, std::uint32_t position) const {
    const AxisAction action = AxisActionFor(axis, profile_.AxisListPosition(axis));
    const AxisActionTraits traits = TraitsOf(action);
    switch (traits.output) {
        case AxisOutput::Mixer: return state_.mixerSent.IsNew(traits.mixerControl, position);
        case AxisOutput::ArrowKeys:
            return ArrowKeysAt(action, position,
                               state_.arrowGuards[static_cast<std::size_t>(axis)]) != nullptr;
        case AxisOutput::Pointer: return axes_.PointerWouldAct(position, traits.horizontal);
        case AxisOutput::None: return false;
    }
    return false;
}

void AxisDrive::MovePointer(const AxisActionTraits& traits, std::uint32_t position) {
    if (traits.horizontal && traits.inverted) {
        axes_.MovePointerXInverted(position);
    } else if (traits.horizontal) {
        axes_.MovePointerX(position);
    } else if (traits.inverted) {
        axes_.MovePointerYInverted(position);
    } else {
        axes_.MovePointerY(position);
    }
}

}  // namespace pultara
