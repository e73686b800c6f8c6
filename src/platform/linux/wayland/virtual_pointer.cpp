#include "platform/linux/wayland/virtual_pointer.h"

#include <ctime>

#include "platform/linux/wayland/protocol_tables.h"

namespace pultara::linux_wayland {

namespace {

// Linux input button codes.
constexpr unsigned kButtonLeft = 0x110;
constexpr unsigned kButtonRight = 0x111;
constexpr unsigned kButtonMiddle = 0x112;

std::uint32_t Milliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

}  // namespace

VirtualPointer::VirtualPointer(WaylandSession& session)
    : session_(session), count_(session.Extent()) {
    if (session.pointerManager() != nullptr && session.seat() != nullptr) {
        pointer_ = CreateVirtualPointer(session.pointerManager(), session.seat());
        session.Flush();
    }
}

VirtualPointer::~VirtualPointer() {
    if (pointer_ == nullptr) {
        return;
    }
    for (const unsigned button : {kButtonLeft, kButtonRight, kButtonMiddle}) {
        if ((heldButtons_ & (1u << (button - kButtonLeft))) != 0) {
            Button(button, false);
        }
    }
    DestroyVirtualPointer(pointer_);
    session_.Flush();
}

void VirtualPointer::SendButtonEvent(std::uint32_t flags) {
    struct Flag {
        std::uint32_t flag;
        unsigned button;
        bool down;
    };
    static constexpr Flag kFlags[] = {
        {kMouseLeftDown, kButtonLeft, true},     {kMouseLeftUp, kButtonLeft, false},
        {kMouseRightDown, kButtonRight, true},   {kMouseRightUp, kButtonRight, false},
        {kMouseMiddleDown, kButtonMiddle, true}, {kMouseMiddleUp, kButtonMiddle, false},
    };
    for (const Flag& f : kFlags) {
        if ((flags & f.flag) != 0) {
            Button(f.button, f.down);
        }
    }
}

void VirtualPointer::Button(unsigned button, bool down) {
    if (pointer_ == nullptr) {
        return;
    }
    const unsigned bit = 1u << (button - kButtonLeft);
    heldButtons_ = down ? heldButtons_ | bit : heldButtons_ & ~bit;
    SendButton(pointer_, Milliseconds(), button, down);
    SendFrame(pointer_);
    session_.Flush();
}

bool VirtualPointer::GetCursorPos(PointerPosition& position) {
    if (pointer_ == nullptr) {
        return false;
    }
    position = count_.Position();
    return true;
}

void VirtualPointer::SetCursorPos(PointerPosition position) {
    if (pointer_ == nullptr) {
        return;
    }
    const PointerPosition step = count_.MoveTo(position);
    if (step.x == 0 && step.y == 0) {
        return;
    }
    SendMotion(pointer_, Milliseconds(), step.x, step.y);
    SendFrame(pointer_);
    session_.Flush();
}

}  // namespace pultara::linux_wayland
