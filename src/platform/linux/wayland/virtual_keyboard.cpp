#include "platform/linux/wayland/virtual_keyboard.h"

#include <sys/mman.h>
#include <unistd.h>
#include <xkbcommon/xkbcommon.h>

#include <ctime>

#include "platform/common/us_layout.h"
#include "platform/linux/key_map.h"
#include "platform/linux/wayland/protocol_tables.h"

namespace pultara::linux_wayland {

namespace {

constexpr std::uint16_t kShiftBit = 0x100;
constexpr std::uint16_t kAltGrBits = 0x600;  // Ctrl+Alt, as Windows reports AltGr

// Virtual keys Windows assigns to no key: they name the spare keys.
constexpr std::array<std::uint8_t, 18> kUnassignedVirtualKeys = {
    0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F, 0x97,
    0x98, 0x99, 0x9A, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F, 0xE8};

std::uint32_t Milliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

}  // namespace

VirtualKeyboard::VirtualKeyboard(WaylandSession& session) : session_(session), injector_(*this) {
    if (session.keyboardManager() == nullptr || session.seat() == nullptr) {
        return;
    }
    keymap_ = TypingKeymap::Compile(session.SeatKeymap());
    if (!keymap_ && !session.SeatKeymap().empty()) {
        keymap_ = TypingKeymap::Compile("");
    }
    if (!keymap_) {
        return;
    }
    keymap_->LimitSpareKeys(kUnassignedVirtualKeys.size());
    keyboard_ = CreateVirtualKeyboard(session.keyboardManager(), session.seat());
    Upload();
}

VirtualKeyboard::~VirtualKeyboard() {
    ReleaseAllKeys();
    if (keyboard_ != nullptr) {
        DestroyVirtualKeyboard(keyboard_);
        session_.Flush();
    }
    if (state_ != nullptr) {
        xkb_state_unref(state_);
    }
}

// The keymap goes to the compositor as a sealed-size shared file.
void VirtualKeyboard::Upload() {
    const std::string text = keymap_->Text();
    const int fd = memfd_create("pultara-keymap", MFD_CLOEXEC);
    if (fd < 0) {
        return;
    }
    const std::size_t size = text.size() + 1;
    if (write(fd, text.c_str(), size) == static_cast<ssize_t>(size)) {
        UploadKeymap(keyboard_, fd, static_cast<std::uint32_t>(size));
    }
    close(fd);
    uploadDue_ = false;
    for (std::size_t i = 0; i < spareKeycodes_.size(); ++i) {
        spareKeycodes_[i] = keymap_->SpareKeycode(i);
    }
    // Keys held now stay held; the new map's modifiers start from them.
    if (state_ != nullptr) {
        xkb_state_unref(state_);
    }
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* uploaded = xkb_keymap_new_from_string(
        context, text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    state_ = uploaded != nullptr ? xkb_state_new(uploaded) : nullptr;
    if (uploaded != nullptr) {
        xkb_keymap_unref(uploaded);
    }
    xkb_context_unref(context);
    for (const std::uint8_t keycode : injector_.HeldKeys()) {
        if (state_ != nullptr) {
            xkb_state_update_key(state_, keycode, XKB_KEY_DOWN);
        }
    }
    // The compositor hands a new map to the focused window before the next
    // key; waiting for it keeps that key from meeting the old map.
    session_.Roundtrip();
}

std::uint8_t VirtualKeyboard::SpareKeycodeOf(std::uint8_t virtualKey) const {
    for (std::size_t i = 0; i < kUnassignedVirtualKeys.size(); ++i) {
        if (kUnassignedVirtualKeys[i] == virtualKey) {
            return spareKeycodes_[i];
        }
    }
    return 0;
}

void VirtualKeyboard::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                                   std::uint32_t flags) {
    const bool up = (flags & kKeyEventKeyUp) != 0;
    if (const std::uint8_t spare = SpareKeycodeOf(virtualKey); spare != 0) {
        if (!up && uploadDue_ && keyboard_ != nullptr) {
            Upload();
        }
        injector_.KeycodeEvent(spare, up);
    } else {
        injector_.KeyEvent(virtualKey, scanCode, (flags & kKeyEventExtended) != 0, up,
                           (flags & kKeyEventAltGrPart) != 0);
    }
    PumpKeyboardMessages();
}

std::uint16_t VirtualKeyboard::KeyCodeForCharacter(char32_t character) {
    // Control characters are Ctrl combinations on every Windows layout.
    if (!keymap_ || character < 0x20) {
        return UsKeyCodeForCharacter(character);
    }
    if (const std::optional<KeyPosition> position = keymap_->Find(character)) {
        const std::uint8_t virtualKey = linux_x11::VirtualKeyForEvdevCode(
            static_cast<std::uint8_t>(position->keycode - linux_x11::kXKeycodeOffset));
        return static_cast<std::uint16_t>(virtualKey | (position->shift ? kShiftBit : 0) |
                                          (position->altGr ? kAltGrBits : 0));
    }
    const std::size_t before = keymap_->Generation();
    const std::uint8_t spare = keymap_->SpareKeyFor(character);
    if (spare == 0) {
        return kNoKeyCode;
    }
    uploadDue_ = uploadDue_ || keymap_->Generation() != before;
    for (std::size_t i = 0; i < kUnassignedVirtualKeys.size(); ++i) {
        if (keymap_->SpareKeycode(i) == spare) {
            return kUnassignedVirtualKeys[i];
        }
    }
    return kNoKeyCode;
}

std::uint32_t VirtualKeyboard::ScanCodeForVirtualKey(std::uint8_t virtualKey) {
    return linux_x11::ScanCodeForVirtualKey(virtualKey);
}

void VirtualKeyboard::PumpKeyboardMessages() {
    session_.Flush();
}

void VirtualKeyboard::ReleaseAllKeys() {
    injector_.ReleaseAll();
    session_.Flush();
}

void VirtualKeyboard::SendKeycode(std::uint8_t keycode, bool down) {
    if (keyboard_ == nullptr) {
        return;
    }
    SendKey(keyboard_, Milliseconds(), keycode - linux_x11::kXKeycodeOffset, down);
    if (state_ == nullptr) {
        return;
    }
    // The modifiers follow the keys, as the compositor tells the window.
    xkb_state_update_key(state_, keycode, down ? XKB_KEY_DOWN : XKB_KEY_UP);
    SendModifiers(keyboard_, xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
                  xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
                  xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED), 0);
}

bool VirtualKeyboard::TypesAltGrCharacter(std::uint8_t keycode, bool shifted) {
    return keymap_ && keymap_->TypesAltGrCharacter(keycode, shifted);
}

std::uint8_t VirtualKeyboard::AltGrKeycode() {
    return keymap_ ? keymap_->AltGrKeycode() : 0;
}

}  // namespace pultara::linux_wayland
