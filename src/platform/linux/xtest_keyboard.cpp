#include "platform/linux/xtest_keyboard.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "platform/common/us_layout.h"
#include "platform/linux/key_map.h"

namespace pultara::linux_x11 {

namespace {

constexpr std::uint16_t kShiftBit = 0x100;
constexpr std::uint16_t kAltGrBits = 0x600;  // Ctrl+Alt, as Windows reports AltGr

bool HasXTest(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    return display != nullptr &&
           XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor) == True;
}

}  // namespace

XTestKeyboard::XTestKeyboard(XConnection& connection)
    : display_(HasXTest(connection.display()) ? connection.display() : nullptr),
      layout_(display_ != nullptr ? &connection : nullptr),
      injector_(*this) {}

XTestKeyboard::~XTestKeyboard() {
    ReleaseAllKeys();
}

void XTestKeyboard::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                                 std::uint32_t flags) {
    injector_.KeyEvent(virtualKey, scanCode, (flags & kKeyEventExtended) != 0,
                       (flags & kKeyEventKeyUp) != 0, (flags & kKeyEventAltGrPart) != 0);
    PumpKeyboardMessages();
}

std::uint16_t XTestKeyboard::KeyCodeForCharacter(char32_t character) {
    // Control characters are Ctrl combinations on every Windows layout.
    if (display_ == nullptr || character < 0x20) {
        return UsKeyCodeForCharacter(character);
    }
    const std::optional<KeyPosition> position = layout_.Find(character);
    if (!position) {
        return kNoKeyCode;
    }
    const std::uint8_t virtualKey =
        VirtualKeyForEvdevCode(static_cast<std::uint8_t>(position->keycode - kXKeycodeOffset));
    return static_cast<std::uint16_t>(virtualKey | (position->shift ? kShiftBit : 0) |
                                      (position->altGr ? kAltGrBits : 0));
}

std::uint32_t XTestKeyboard::ScanCodeForVirtualKey(std::uint8_t virtualKey) {
    return linux_x11::ScanCodeForVirtualKey(virtualKey);
}

void XTestKeyboard::PumpKeyboardMessages() {
    if (display_ != nullptr) {
        XFlush(display_);
    }
}

void XTestKeyboard::ToggleNumLock() {
    const auto numLock = static_cast<std::uint8_t>(kEvdevNumLock + kXKeycodeOffset);
    SendKeycode(numLock, true);
    SendKeycode(numLock, false);
    PumpKeyboardMessages();
}

void XTestKeyboard::ReleaseAllKeys() {
    injector_.ReleaseAll();
    if (display_ != nullptr) {
        XSync(display_, False);
    }
}

void XTestKeyboard::SendKeycode(std::uint8_t keycode, bool down) {
    if (display_ != nullptr) {
        XTestFakeKeyEvent(display_, keycode, down ? True : False, CurrentTime);
    }
}

bool XTestKeyboard::TypesAltGrCharacter(std::uint8_t keycode, bool shifted) {
    return layout_.TypesAltGrCharacter(keycode, shifted);
}

std::uint8_t XTestKeyboard::AltGrKeycode() {
    return layout_.AltGrKeycode();
}

}  // namespace pultara::linux_x11
