#include "engine/axis_action.h"

namespace pultara {

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

}  // namespace pultara
