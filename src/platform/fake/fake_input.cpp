#include "platform/fake/fake_input.h"

#include <algorithm>

#include "platform/common/us_layout.h"

namespace pultara::fake {

bool FakeJoystick::Read(JoystickSample& sample) {
    if (logReads) {
        log_.Add("joyGetPos(0)");
    }
    if (!connected) {
        return false;
    }
    if (!queued_.empty()) {
        current_ = queued_.front();
        queued_.pop_front();
    }
    sample = current_;
    return true;
}

void FakeKeyboard::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                                std::uint32_t flags) {
    log_.Add("keybd_event(" + Hex(virtualKey) + ", " + Hex(scanCode) + ", " +
             std::to_string(flags) + ")");
    down[virtualKey] = (flags & kKeyEventKeyUp) == 0;
    if (afterEvent) {
        afterEvent();
    }
}

std::uint16_t FakeKeyboard::KeyCodeForCharacter(char32_t character) {
    if (auto it = layout.find(character); it != layout.end()) {
        return it->second;
    }
    return UsKeyCodeForCharacter(character);
}

std::uint32_t FakeKeyboard::ScanCodeForVirtualKey(std::uint8_t virtualKey) {
    return UsScanCodeForVirtualKey(virtualKey);
}

void FakeMouse::SendButtonEvent(std::uint32_t flags) {
    log_.Add("mouse_event(" + Hex(flags, 4) + ")");
    if (flags & kMouseLeftDown) {
        leftDown = true;
    }
    if (flags & kMouseLeftUp) {
        leftDown = false;
    }
    if (flags & kMouseRightDown) {
        rightDown = true;
    }
    if (flags & kMouseRightUp) {
        rightDown = false;
    }
    if (flags & kMouseMiddleDown) {
        middleDown = true;
    }
    if (flags & kMouseMiddleUp) {
        middleDown = false;
    }
}

bool FakeMouse::GetCursorPos(PointerPosition& position) {
    log_.Add("GetCursorPos");
    position = pointer;
    return true;
}

void FakeMouse::SetCursorPos(PointerPosition position) {
    log_.Add("SetCursorPos(" + std::to_string(position.x) + ", " + std::to_string(position.y) +
             ")");
    pointer.x = std::clamp(position.x, 0, screenWidth - 1);
    pointer.y = std::clamp(position.y, 0, screenHeight - 1);
}

}  // namespace pultara::fake
