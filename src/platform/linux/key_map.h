#pragma once
#include <cstdint>

namespace pultara::linux_x11 {

// Which physical key a Windows key event stands for, as a Linux evdev key
// code (the X server's keycode is the evdev code plus 8).
//
// Keys whose meaning does not depend on the layout (Enter, the arrows, the
// keypad, F-keys, modifiers) are found by their virtual key, whatever scan
// code and extended flag come with it: a Windows program sees the virtual key
// of such an event, so {NUM0} types the keypad 0 although it is sent with the
// extended flag. Every other key (letters, digits, punctuation) is found by
// its scan code, so that it lands on the same physical key as on Windows and
// the active X layout decides the character.
inline constexpr std::uint8_t kNoEvdevCode = 0;
inline constexpr int kXKeycodeOffset = 8;

std::uint8_t EvdevCodeForKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool extended);

// Scan code of a virtual key: the US layout's, plus the keys that only
// other layouts have (the 102nd key between left Shift and Z, for example).
std::uint8_t ScanCodeForVirtualKey(std::uint8_t virtualKey);

// The virtual key that presses the physical key `evdevCode` through the
// two functions above, or 0 when none does.
std::uint8_t VirtualKeyForEvdevCode(std::uint8_t evdevCode);

// Virtual keys of the modifiers the key-sequence language presses.
inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkControl = 0x11;
inline constexpr std::uint8_t kVkMenu = 0x12;
inline constexpr std::uint8_t kVkNumLock = 0x90;

// Evdev codes the key injector needs to know by name.
inline constexpr std::uint8_t kEvdevLeftCtrl = 29;
inline constexpr std::uint8_t kEvdevLeftShift = 42;
inline constexpr std::uint8_t kEvdevLeftAlt = 56;
inline constexpr std::uint8_t kEvdevNumLock = 69;
inline constexpr std::uint8_t kEvdevRightAlt = 100;

}  // namespace pultara::linux_x11
