#include "platform/linux/key_injector.h"

#include <vector>

#include "platform/linux/key_map.h"

namespace pultara::linux_x11 {

namespace {
constexpr std::uint8_t XKeycode(std::uint8_t evdev) {
    return static_cast<std::uint8_t>(evdev + kXKeycodeOffset);
}
static_assert(XKeycode(kEvdevLeftCtrl) == 37 && XKeycode(kEvdevLeftAlt) == 64);

}  // namespace

KeyInjector::LateModifier* KeyInjector::LateModifierFor(std::uint8_t keycode) {
    if (keycode == ctrl_.keycode) {
        return &ctrl_;
    }
    if (keycode == alt_.keycode) {
        return &alt_;
    }
    return nullptr;
}

void KeyInjector::KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool extended, bool up,
                           bool altGrPart) {
    const std::uint8_t evdev = EvdevCodeForKeyEvent(virtualKey, scanCode, extended);
    if (evdev == kNoEvdevCode) {
        return;  // a key no Linux keyboard has
    }
    KeycodeEvent(XKeycode(evdev), up, altGrPart);
}

void KeyInjector::KeycodeEvent(std::uint8_t keycode, bool up, bool altGrPart) {
    if (LateModifier* modifier = LateModifierFor(keycode)) {
        up ? ModifierUp(*modifier) : ModifierDown(*modifier, altGrPart);
    } else if (up) {
        Release(keycode);
    } else {
        OtherKeyDown(keycode);
    }
}

void KeyInjector::ModifierDown(LateModifier& modifier, bool altGrPart) {
    if (!modifier.logicalDown) {
        modifier.logicalDown = true;
        modifier.used = false;
        modifier.altGrPart = false;
    }
    modifier.altGrPart = modifier.altGrPart || altGrPart;
}

void KeyInjector::ModifierUp(LateModifier& modifier) {
    if (IsHeld(modifier.keycode)) {
        Release(modifier.keycode);
    } else if (modifier.logicalDown && !modifier.used) {
        Press(modifier.keycode);
        Release(modifier.keycode);
    }
    modifier.logicalDown = false;
    modifier.used = false;
    modifier.altGrPart = false;
    if (altGrHeld_ != 0) {
        Release(altGrHeld_);
        altGrHeld_ = 0;
    }
}

void KeyInjector::OtherKeyDown(std::uint8_t keycode) {
    const bool shifted = IsHeld(XKeycode(kEvdevLeftShift)) || IsHeld(XKeycode(54));  // either Shift
    const bool ctrlAlt = ctrl_.logicalDown && alt_.logicalDown && ctrl_.altGrPart && alt_.altGrPart;
    const std::uint8_t altGr =
        ctrlAlt && sink_.TypesAltGrCharacter(keycode, shifted) ? sink_.AltGrKeycode() : 0;
    if (altGr != 0) {
        for (LateModifier* modifier : {&ctrl_, &alt_}) {
            if (IsHeld(modifier->keycode)) {
                Release(modifier->keycode);
            }
            modifier->used = true;
        }
        if (altGrHeld_ == 0) {
            Press(altGr);
            altGrHeld_ = altGr;
        }
    } else {
        if (altGrHeld_ != 0) {
            Release(altGrHeld_);
            altGrHeld_ = 0;
        }
        for (LateModifier* modifier : {&ctrl_, &alt_}) {
            if (modifier->logicalDown && !IsHeld(modifier->keycode)) {
                Press(modifier->keycode);
            }
            modifier->used = modifier->used || modifier->logicalDown;
        }
    }
    Press(keycode);
}

void KeyInjector::Press(std::uint8_t keycode) {
    held_.insert(keycode);
    sink_.SendKeycode(keycode, true);
}

void KeyInjector::Release(std::uint8_t keycode) {
    held_.erase(keycode);
    sink_.SendKeycode(keycode, false);
}

void KeyInjector::ReleaseAll() {
    const std::vector<std::uint8_t> keys(held_.begin(), held_.end());
    for (std::uint8_t keycode : keys) {
        Release(keycode);
    }
    altGrHeld_ = 0;
    ctrl_.logicalDown = alt_.logicalDown = false;
    ctrl_.altGrPart = alt_.altGrPart = false;
}

}  // namespace pultara::linux_x11
