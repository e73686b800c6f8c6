#pragma once
#include "platform/linux/x_connection.h"
#include "ports/mouse.h"

namespace pultara::linux_x11 {

// Mouse buttons through XTest at the pointer's position; the pointer read
// and moved on the X screen (the server keeps it on the screen). Without a
// display nothing happens and reads fail.
class XTestMouse : public Mouse {
public:
    explicit XTestMouse(XConnection& connection) : connection_(connection) {}
    ~XTestMouse() override;

    void SendButtonEvent(std::uint32_t flags) override;
    bool GetCursorPos(PointerPosition& position) override;
    void SetCursorPos(PointerPosition position) override;

private:
    void Button(unsigned button, bool down);

    XConnection& connection_;
    unsigned heldButtons_ = 0;  // bit per X button 1..3
};

}  // namespace pultara::linux_x11
