#pragma once
#include "platform/linux/wayland/wayland_session.h"
#include "ports/mouse.h"

namespace pultara::linux_wayland {

// The pointer and its buttons through the compositor's virtual pointer.
//
// A Wayland program cannot read where the pointer is. The position this
// mouse reports is its own count: it starts in the middle of the desktop and
// follows every move the program makes, kept on the desktop; a move goes to
// the compositor as the difference to the last position, so the real pointer
// moves by the same steps from wherever the user left it, at the program's
// speeds, and never jumps. Without the protocol nothing happens and reads
// fail.
class VirtualPointer : public Mouse {
public:
    explicit VirtualPointer(WaylandSession& session);
    ~VirtualPointer() override;
    VirtualPointer(const VirtualPointer&) = delete;
    VirtualPointer& operator=(const VirtualPointer&) = delete;

    bool Available() const { return pointer_ != nullptr; }

    void SendButtonEvent(std::uint32_t flags) override;
    bool GetCursorPos(PointerPosition& position) override;
    void SetCursorPos(PointerPosition position) override;

private:
    void Button(unsigned button, bool down);

    WaylandSession& session_;
    wl_proxy* pointer_ = nullptr;
    DesktopExtent extent_;
    PointerPosition position_;
    unsigned heldButtons_ = 0;  // bit per button, counted from the left button
};

}  // namespace pultara::linux_wayland
