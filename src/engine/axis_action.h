#pragma once
#include "engine/profile.h"

namespace pultara {

// The action an axis performs, numbered as in the X and Y lists.
enum class AxisAction {
    None = 0,
    Volume = 1,
    VolumeInverted = 2,
    Treble = 3,
    TrebleInverted = 4,
    Bass = 5,
    BassInverted = 6,
    ArrowsLeftRight = 7,
    ArrowsRightLeft = 8,
    ArrowsUpDown = 9,
    ArrowsDownUp = 10,
    PointerX = 11,
    PointerXInverted = 12,
    PointerY = 13,
    PointerYInverted = 14,
};

// Mixer controls as the axis actions name them.
inline constexpr int kMixerVolume = 1;
inline constexpr int kMixerTreble = 2;
inline constexpr int kMixerBass = 3;

// What an action drives.
enum class AxisOutput { None, Mixer, ArrowKeys, Pointer };

// An action taken apart: what it drives and how.
struct AxisActionTraits {
    AxisOutput output = AxisOutput::None;
    // The mixer control of a mixer action (kMixerVolume...), else 0.
    int mixerControl = 0;
    // A mixer action sets 65535 minus the position; a pointer action moves
    // against the stick.
    bool inverted = false;
    // A pointer action moves the pointer left and right, not up and down.
    bool horizontal = false;
};

// Action of the list position selected for `axis`. The Z list has no arrow
// keys, so its positions 7..10 stand for the pointer actions 11..14. No
// selection (-1) is no action.
AxisAction AxisActionFor(Axis axis, int listPosition);

AxisActionTraits TraitsOf(AxisAction action);

}  // namespace pultara
