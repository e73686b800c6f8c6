#include "platform/linux/wayland/pointer_count.h"

#include <algorithm>

namespace pultara::linux_wayland {

PointerCount::PointerCount(DesktopExtent extent)
    : extent_(extent),
      position_{(extent.left + extent.right) / 2, (extent.top + extent.bottom) / 2} {}

PointerPosition PointerCount::MoveTo(PointerPosition target) {
    if (extent_.right > extent_.left && extent_.bottom > extent_.top) {
        target.x = std::clamp(target.x, extent_.left, extent_.right - 1);
        target.y = std::clamp(target.y, extent_.top, extent_.bottom - 1);
    }
    const PointerPosition step{target.x - position_.x, target.y - position_.y};
    position_ = target;
    return step;
}

}  // namespace pultara::linux_wayland
