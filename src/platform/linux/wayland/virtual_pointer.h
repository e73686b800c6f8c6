#pragma once
#include "platform/linux/wayland/pointer_count.h"
#include "platform/linux/wayland/wayland_session.h"
#include "ports/mouse.h"

namespace pultara::linux_wayland {

// The pointer and its buttons through the compositor's virtual pointer.
//
// A Wayland program cannot read where the pointer is: the position this mouse
// reports is its own count (`PointerCount`), and moves go to the compositor
// as relative steps at the program's speeds, so the pointer never jumps.
// Without the protocol nothing happens and reads fail.
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
    PointerCount count_;
    unsigned heldButtons_ = 0;  // bit per button, counted from the left button
};

}  // namespace pultara::linux_wayland
