#pragma once
#include "platform/linux/wayland/wayland_session.h"
#include "ports/mouse.h"

namespace pultara::linux_wayland {

// Where the program believes the pointer is, on a session that does not say
// where it is: it starts in the middle of the desktop and follows every move
// the program makes, kept on the desktop. Moves go out as differences, so the
// real pointer moves by the same steps from wherever the user left it.
class PointerCount {
public:
    explicit PointerCount(DesktopExtent extent);
    PointerPosition Position() const { return position_; }
    // Moves the count to `target` (kept on the desktop) and returns the step.
    PointerPosition MoveTo(PointerPosition target);

private:
    DesktopExtent extent_;
    PointerPosition position_;
};

}  // namespace pultara::linux_wayland
