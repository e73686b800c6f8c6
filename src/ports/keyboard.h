#pragma once
#include <cstdint>

namespace pultara {

// Flags of one synthetic key event.
inline constexpr std::uint32_t kKeyEventExtended = 0x1;
inline constexpr std::uint32_t kKeyEventKeyUp = 0x2;
// On the Ctrl and Alt events of a KeyCode that asks for both (a character
// the layout types with AltGr, such as "@" on a German keyboard): there
// Ctrl+Alt stands for AltGr. Ctrl and Alt of the "^" and "%" prefixes are
// real Ctrl and Alt. Windows makes no such difference and never sees the flag.
inline constexpr std::uint32_t kKeyEventAltGrPart = 0x10000;

// KeyCode as the platform's character-to-key lookup returns it: low byte the
// virtual key, high byte the modifiers (1 Shift, 2 Ctrl, 4 Alt).
inline constexpr std::uint16_t kNoKeyCode = 0xFFFF;

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // One key event into the system input stream (virtual key, scan code,
    // kKeyEvent* flags).
    virtual void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                              std::uint32_t flags) = 0;
    // KeyCode that types `character` (a Unicode code point) in the active
    // layout, or kNoKeyCode.
    virtual std::uint16_t KeyCodeForCharacter(char32_t character) = 0;
    // Scan code of a virtual key (only the low byte is used).
    virtual std::uint32_t ScanCodeForVirtualKey(std::uint8_t virtualKey) = 0;
    // Hands the program's own pending keyboard messages to its windows.
    virtual void PumpKeyboardMessages() = 0;
};

}  // namespace pultara
