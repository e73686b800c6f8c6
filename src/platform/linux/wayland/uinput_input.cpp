#include "platform/linux/wayland/uinput_input.h"

#include <linux/input-event-codes.h>

#include "platform/common/us_layout.h"
#include "platform/linux/key_map.h"

namespace pultara::linux_wayland {

namespace {
constexpr std::uint16_t kShiftBit = 0x100;
constexpr std::uint16_t kAltGrBits = 0x600;  // Ctrl+Alt, as Windows reports AltGr
}  // namespace

UinputKeyboard::UinputKeyboard(InputEventWriter& writer, TypingKeymap layout)
    : writer_(writer), layout_(std::move(layout)), injector_(*this) {}

UinputKeyboard::~UinputKeyboard() {
    injector_.ReleaseAll();
}

void UinputKeyboard::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                                  std::uint32_t flags) {
    injector_.KeyEvent(virtualKey, scanCode, (flags & kKeyEventExtended) != 0,
                       (flags & kKeyEventKeyUp) != 0, (flags & kKeyEventAltGrPart) != 0);
}

std::uint16_t UinputKeyboard::KeyCodeForCharacter(char32_t character) {
    // Control characters are Ctrl combinations on every Windows layout.
    if (character < 0x20) {
        return UsKeyCodeForCharacter(character);
    }
    const std::optional<KeyPosition> position = layout_.Find(character);
    if (!position) {
        return kNoKeyCode;
    }
    const std::uint8_t virtualKey = linux_x11::VirtualKeyForEvdevCode(
        static_cast<std::uint8_t>(position->keycode - linux_x11::kXKeycodeOffset));
    return static_cast<std::uint16_t>(virtualKey | (position->shift ? kShiftBit : 0) |
                                      (position->altGr ? kAltGrBits : 0));
}

std::uint32_t UinputKeyboard::ScanCodeForVirtualKey(std::uint8_t virtualKey) {
    return linux_x11::ScanCodeForVirtualKey(virtualKey);
}

void UinputKeyboard::SendKeycode(std::uint8_t keycode, bool down) {
    writer_.Key(static_cast<std::uint16_t>(keycode - linux_x11::kXKeycodeOffset), down);
}

bool UinputKeyboard::TypesAltGrCharacter(std::uint8_t keycode, bool shifted) {
    return layout_.TypesAltGrCharacter(keycode, shifted);
}

std::uint8_t UinputKeyboard::AltGrKeycode() {
    return layout_.AltGrKeycode();
}

UinputMouse::~UinputMouse() {
    for (unsigned button = BTN_LEFT; button <= BTN_MIDDLE; ++button) {
        if ((heldButtons_ & (1u << (button - BTN_LEFT))) != 0) {
            writer_.Key(static_cast<std::uint16_t>(button), false);
        }
    }
}

void UinputMouse::SendButtonEvent(std::uint32_t flags) {
    struct Flag {
        std::uint32_t flag;
        unsigned button;
        bool down;
    };
    static constexpr Flag kFlags[] = {
        {kMouseLeftDown, BTN_LEFT, true},     {kMouseLeftUp, BTN_LEFT, false},
        {kMouseRightDown, BTN_RIGHT, true},   {kMouseRightUp, BTN_RIGHT, false},
        {kMouseMiddleDown, BTN_MIDDLE, true}, {kMouseMiddleUp, BTN_MIDDLE, false},
    };
    for (const Flag& f : kFlags) {
        if ((flags & f.flag) != 0) {
            const unsigned bit = 1u << (f.button - BTN_LEFT);
            heldButtons_ = f.down ? heldButtons_ | bit : heldButtons_ & ~bit;
            writer_.Key(static_cast<std::uint16_t>(f.button), f.down);
        }
    }
}

bool UinputMouse::GetCursorPos(PointerPosition& position) {
    position = count_.Position();
    return true;
}

void UinputMouse::SetCursorPos(PointerPosition position) {
    const PointerPosition step = count_.MoveTo(position);
    if (step.x != 0 || step.y != 0) {
        writer_.Motion(step.x, step.y);
    }
}

}  // namespace pultara::linux_wayland
