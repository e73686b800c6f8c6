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

// Action of the list position selected for `axis`. The Z list has no arrow
// keys, so its positions 7..10 stand for the pointer actions 11..14. No
// selection (-1) is no action.
AxisAction AxisActionFor(Axis axis, int listPosition);

}  // namespace pultara
