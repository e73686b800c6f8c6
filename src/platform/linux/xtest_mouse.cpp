#include "platform/linux/xtest_mouse.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>

namespace pultara::linux_x11 {

XTestMouse::~XTestMouse() {
    for (unsigned button = 1; button <= 3; ++button) {
        if ((heldButtons_ & (1u << button)) != 0) {
            Button(button, false);
        }
    }
}

void XTestMouse::SendButtonEvent(std::uint32_t flags) {
    // X numbers the buttons left 1, middle 2, right 3.
    struct Flag {
        std::uint32_t flag;
        unsigned button;
        bool down;
    };
    static constexpr Flag kFlags[] = {
        {kMouseLeftDown, 1, true}, {kMouseLeftUp, 1, false},    {kMouseRightDown, 3, true},
        {kMouseRightUp, 3, false}, {kMouseMiddleDown, 2, true}, {kMouseMiddleUp, 2, false},
    };
    for (const Flag& f : kFlags) {
        if ((flags & f.flag) != 0) {
            Button(f.button, f.down);
        }
    }
}

void XTestMouse::Button(unsigned button, bool down) {
    Display* display = connection_.display();
    if (display == nullptr) {
        return;
    }
    heldButtons_ = down ? heldButtons_ | (1u << button) : heldButtons_ & ~(1u << button);
    XTestFakeButtonEvent(display, button, down ? True : False, CurrentTime);
    XFlush(display);
}

bool XTestMouse::GetCursorPos(PointerPosition& position) {
    Display* display = connection_.display();
    if (display == nullptr) {
        return false;
    }
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned mask = 0;
    if (!XQueryPointer(display, connection_.root(), &root, &child, &rootX, &rootY, &winX, &winY,
                       &mask)) {
        return false;  // the pointer is on another screen
    }
    position = PointerPosition{rootX, rootY};
    return true;
}

void XTestMouse::SetCursorPos(PointerPosition position) {
    Display* display = connection_.display();
    if (display == nullptr) {
        return;
    }
    // The protocol carries 16-bit coordinates: clamp before they wrap.
    const int screen = DefaultScreen(display);
    const int x = std::clamp(position.x, 0, DisplayWidth(display, screen) - 1);
    const int y = std::clamp(position.y, 0, DisplayHeight(display, screen) - 1);
    XWarpPointer(display, None, connection_.root(), 0, 0, 0, 0, x, y);
    XFlush(display);
}

}  // namespace pultara::linux_x11
