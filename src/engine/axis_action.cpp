#include "engine/axis_action.h"

namespace pultara {

namespace {

constexpr AxisActionTraits Mixer(int control, bool inverted) {
    return {AxisOutput::Mixer, control, inverted, false};
}

constexpr AxisActionTraits Pointer(bool horizontal, bool inverted) {
    return {AxisOutput::Pointer, 0, inverted, horizontal};
}

}  // namespace

AxisAction AxisActionFor(Axis axis, int listPosition) {
    const int size = axis == Axis::Z ? kAxisListSizeZ : kAxisListSizeXY;
    if (listPosition < 0 || listPosition >= size) {
        return AxisAction::None;
    }
    if (axis == Axis::Z && listPosition >= 7) {
        return static_cast<AxisAction>(listPosition + 4);
    }
    return static_cast<AxisAction>(listPosition);
}

AxisActionTraits TraitsOf(AxisAction action) {
    switch (action) {
        case AxisAction::None: return {};
        case AxisAction::Volume: return Mixer(kMixerVolume, false);
        case AxisAction::VolumeInverted: return Mixer(kMixerVolume, true);
        case AxisAction::Treble: return Mixer(kMixerTreble, false);
        case AxisAction::TrebleInverted: return Mixer(kMixerTreble, true);
        case AxisAction::Bass: return Mixer(kMixerBass, false);
        case AxisAction::BassInverted: return Mixer(kMixerBass, true);
        case AxisAction::ArrowsLeftRight:
        case AxisAction::ArrowsRightLeft:
        case AxisAction::ArrowsUpDown:
        case AxisAction::ArrowsDownUp: return {AxisOutput::ArrowKeys, 0, false, false};
        case AxisAction::PointerX: return Pointer(true, false);
        case AxisAction::PointerXInverted: return Pointer(true, true);
        case AxisAction::PointerY: return Pointer(false, false);
        case AxisAction::PointerYInverted: return Pointer(false, true);
    }
    return {};
}

}  // namespace pultara
