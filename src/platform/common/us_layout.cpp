#include "platform/common/us_layout.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace pultara {

namespace {

constexpr std::uint16_t kShift = 0x100;

// Punctuation of the US layout: unshifted and shifted character per OEM key.
struct OemKey {
    char plain;
    char shifted;
    std::uint8_t virtualKey;
};

constexpr std::array<OemKey, 11> kOemKeys{{
    {';', ':', 0xBA},
    {'=', '+', 0xBB},
    {',', '<', 0xBC},
    {'-', '_', 0xBD},
    {'.', '>', 0xBE},
    {'/', '?', 0xBF},
    {'`', '~', 0xC0},
    {'[', '{', 0xDB},
    {'\\', '|', 0xDC},
    {']', '}', 0xDD},
    {'\'', '"', 0xDE},
}};

constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

constexpr std::uint16_t kCtrl = 0x200;

// Control characters as the Windows US layout reports them: the keys that
// have one of their own, else Ctrl with the letter or sign whose code is 64
// above (Ctrl+A for 0x01, Ctrl+[ for Escape, Ctrl+Shift+6 for 0x1E).
std::uint16_t ControlCharacterKeyCode(char32_t c) {
    switch (c) {
        case '\b': return 0x08;
        case '\t': return 0x09;
        case '\n': return kCtrl | 0x0D;  // Ctrl+Enter
        case '\r': return 0x0D;
        case 0x1B: return kCtrl | 0xDB;
        case 0x1C: return kCtrl | 0xDC;
        case 0x1D: return kCtrl | 0xDD;
        case 0x1E: return kCtrl | kShift | '6';
        case 0x1F: return kCtrl | kShift | 0xBD;
        case ' ': return 0x20;
        default: break;
    }
    if (c >= 0x01 && c <= 0x1A) {
        return static_cast<std::uint16_t>(kCtrl | ('A' + c - 1));
    }
    return 0xFFFF;
}

}  // namespace

std::uint16_t UsKeyCodeForCharacter(char32_t c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<std::uint16_t>(c - 'a' + 'A');
    }
    if (c >= 'A' && c <= 'Z') {
        return static_cast<std::uint16_t>(kShift | c);
    }
    if (c >= '0' && c <= '9') {
        return static_cast<std::uint16_t>(c);
    }
    if (const auto pos = kShiftedDigits.find(static_cast<char>(c));
        c < 0x80 && pos != std::string_view::npos) {
        return static_cast<std::uint16_t>(kShift | ('0' + pos));
    }
    for (const OemKey& key : kOemKeys) {
        if (c == static_cast<char32_t>(key.plain)) {
            return key.virtualKey;
        }
        if (c == static_cast<char32_t>(key.shifted)) {
            return static_cast<std::uint16_t>(kShift | key.virtualKey);
        }
    }
    return ControlCharacterKeyCode(c);
}

namespace {

// Every virtual key with a scan code or a name: its set-1 scan code on the
// US layout (0 for the mouse buttons and keys without one) and its name.
// Cancel is the key of Ctrl+Break.
struct VirtualKeyFacts {
    std::uint8_t virtualKey;
    std::uint8_t scanCode;
    const char* name;
};

constexpr VirtualKeyFacts kVirtualKeys[] = {
    {0x01, 0x00, "LButton"},
    {0x02, 0x00, "RButton"},
    {0x03, 0x46, "Cancel"},
    {0x04, 0x00, "MButton"},
    {0x08, 0x0E, "Backspace"},
    {0x09, 0x0F, "Tab"},
    {0x0C, 0x4C, "Clear"},
    {0x0D, 0x1C, "Enter"},
    {0x10, 0x2A, "Shift"},
    {0x11, 0x1D, "Ctrl"},
    {0x12, 0x38, "Alt"},
    {0x13, 0x45, "Pause"},
    {0x14, 0x3A, "CapsLock"},
    {0x1B, 0x01, "Esc"},
    {0x20, 0x39, "Space"},
    {0x21, 0x49, "PageUp"},
    {0x22, 0x51, "PageDown"},
    {0x23, 0x4F, "End"},
    {0x24, 0x47, "Home"},
    {0x25, 0x4B, "Left"},
    {0x26, 0x48, "Up"},
    {0x27, 0x4D, "Right"},
    {0x28, 0x50, "Down"},
    {0x29, 0x00, "Select"},
    {0x2A, 0x00, "Print"},
    {0x2B, 0x00, "Execute"},
    {0x2C, 0x54, "PrintScreen"},
    {0x2D, 0x52, "Insert"},
    {0x2E, 0x53, "Delete"},
    {0x2F, 0x00, "Help"},
    {0x30, 0x0B, "0"},
    {0x31, 0x02, "1"},
    {0x32, 0x03, "2"},
    {0x33, 0x04, "3"},
    {0x34, 0x05, "4"},
    {0x35, 0x06, "5"},
    {0x36, 0x07, "6"},
    {0x37, 0x08, "7"},
    {0x38, 0x09, "8"},
    {0x39, 0x0A, "9"},
    {0x41, 0x1E, "A"},
    {0x42, 0x30, "B"},
    {0x43, 0x2E, "C"},
    {0x44, 0x20, "D"},
    {0x45, 0x12, "E"},
    {0x46, 0x21, "F"},
    {0x47, 0x22, "G"},
    {0x48, 0x23, "H"},
    {0x49, 0x17, "I"},
    {0x4A, 0x24, "J"},
    {0x4B, 0x25, "K"},
    {0x4C, 0x26, "L"},
    {0x4D, 0x32, "M"},
    {0x4E, 0x31, "N"},
    {0x4F, 0x18, "O"},
    {0x50, 0x19, "P"},
    {0x51, 0x10, "Q"},
    {0x52, 0x13, "R"},
    {0x53, 0x1F, "S"},
    {0x54, 0x14, "T"},
    {0x55, 0x16, "U"},
    {0x56, 0x2F, "V"},
    {0x57, 0x11, "W"},
    {0x58, 0x2D, "X"},
    {0x59, 0x15, "Y"},
    {0x5A, 0x2C, "Z"},
    {0x5B, 0x5B, "LWin"},
    {0x5C, 0x5C, "RWin"},
    {0x5D, 0x5D, "Apps"},
    {0x60, 0x52, "Num0"},
    {0x61, 0x4F, "Num1"},
    {0x62, 0x50, "Num2"},
    {0x63, 0x51, "Num3"},
    {0x64, 0x4B, "Num4"},
    {0x65, 0x4C, "Num5"},
    {0x66, 0x4D, "Num6"},
    {0x67, 0x47, "Num7"},
    {0x68, 0x48, "Num8"},
    {0x69, 0x49, "Num9"},
    {0x6A, 0x37, "Multiply"},
    {0x6B, 0x4E, "Add"},
    {0x6C, 0x00, "Separator"},
    {0x6D, 0x4A, "Subtract"},
    {0x6E, 0x53, "Decimal"},
    {0x6F, 0x35, "Divide"},
    {0x70, 0x3B, "F1"},
    {0x71, 0x3C, "F2"},
    {0x72, 0x3D, "F3"},
    {0x73, 0x3E, "F4"},
    {0x74, 0x3F, "F5"},
    {0x75, 0x40, "F6"},
    {0x76, 0x41, "F7"},
    {0x77, 0x42, "F8"},
    {0x78, 0x43, "F9"},
    {0x79, 0x44, "F10"},
    {0x7A, 0x57, "F11"},
    {0x7B, 0x58, "F12"},
    {0x7C, 0x64, "F13"},
    {0x7D, 0x65, "F14"},
    {0x7E, 0x66, "F15"},
    {0x7F, 0x67, "F16"},
    {0x90, 0x45, "NumLock"},
    {0x91, 0x46, "ScrollLock"},
    {0xBA, 0x27, "Semicolon"},
    {0xBB, 0x0D, "Equals"},
    {0xBC, 0x33, "Comma"},
    {0xBD, 0x0C, "Minus"},
    {0xBE, 0x34, "Period"},
    {0xBF, 0x35, "Slash"},
    {0xC0, 0x29, "Backquote"},
    {0xDB, 0x1A, "LeftBracket"},
    {0xDC, 0x2B, "Backslash"},
    {0xDD, 0x1B, "RightBracket"},
    {0xDE, 0x28, "Quote"},
};

// The facts above indexed by virtual key; keys not listed have neither.
constexpr std::array<VirtualKeyFacts, 256> kByVirtualKey = [] {
    std::array<VirtualKeyFacts, 256> byKey{};
    for (std::size_t vk = 0; vk < byKey.size(); ++vk) {
        byKey[vk] = {static_cast<std::uint8_t>(vk), 0, ""};
    }
    for (const VirtualKeyFacts& facts : kVirtualKeys) {
        byKey[facts.virtualKey] = facts;
    }
    return byKey;
}();

}  // namespace

std::uint8_t UsScanCodeForVirtualKey(std::uint8_t vk) {
    return kByVirtualKey[vk].scanCode;
}

const char* VirtualKeyName(std::uint8_t vk) {
    return kByVirtualKey[vk].name;
}

}  // namespace pultara
