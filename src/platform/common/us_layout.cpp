#include "platform/common/us_layout.h"

#include <array>
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

std::uint16_t ControlCharacterKeyCode(char32_t c) {
    switch (c) {
        case '\b': return 0x08;
        case '\t': return 0x09;
        case '\n': return 0x20D;  // Ctrl+Enter, as the Windows layout reports it
        case '\r': return 0x0D;
        case 0x1B: return 0x1DB;
        case ' ': return 0x20;
        default: return 0xFFFF;
    }
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

std::uint8_t UsScanCodeForVirtualKey(std::uint8_t vk) {
    // Letters in alphabetical order, then the digits 0..9.
    static constexpr std::array<std::uint8_t, 26> kLetters{
        0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
        0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    static constexpr std::array<std::uint8_t, 10> kDigits{0x0B, 0x02, 0x03, 0x04, 0x05,
                                                          0x06, 0x07, 0x08, 0x09, 0x0A};
    static constexpr std::array<std::uint8_t, 10> kNumpad{0x52, 0x4F, 0x50, 0x51, 0x4B,
                                                          0x4C, 0x4D, 0x47, 0x48, 0x49};
    if (vk >= 'A' && vk <= 'Z') {
        return kLetters[vk - 'A'];
    }
    if (vk >= '0' && vk <= '9') {
        return kDigits[vk - '0'];
    }
    if (vk >= 0x60 && vk <= 0x69) {
        return kNumpad[vk - 0x60];
    }
    if (vk >= 0x70 && vk <= 0x79) {  // F1..F10
        return static_cast<std::uint8_t>(0x3B + vk - 0x70);
    }
    if (vk >= 0x7C && vk <= 0x7F) {  // F13..F16
        return static_cast<std::uint8_t>(0x64 + vk - 0x7C);
    }
    switch (vk) {
        case 0x03: return 0x46;  // Cancel (Ctrl+Break)
        case 0x08: return 0x0E;
        case 0x09: return 0x0F;
        case 0x0C: return 0x4C;
        case 0x0D: return 0x1C;
        case 0x10: return 0x2A;
        case 0x11: return 0x1D;
        case 0x12: return 0x38;
        case 0x13: return 0x45;
        case 0x14: return 0x3A;
        case 0x1B: return 0x01;
        case 0x20: return 0x39;
        case 0x21: return 0x49;
        case 0x22: return 0x51;
        case 0x23: return 0x4F;
        case 0x24: return 0x47;
        case 0x25: return 0x4B;
        case 0x26: return 0x48;
        case 0x27: return 0x4D;
        case 0x28: return 0x50;
        case 0x2C: return 0x54;
        case 0x2D: return 0x52;
        case 0x2E: return 0x53;
        case 0x5B: return 0x5B;
        case 0x5C: return 0x5C;
        case 0x5D: return 0x5D;
        case 0x6A: return 0x37;
        case 0x6B: return 0x4E;
        case 0x6D: return 0x4A;
        case 0x6E: return 0x53;
        case 0x6F: return 0x35;
        case 0x7A: return 0x57;  // F11
        case 0x7B: return 0x58;  // F12
        case 0x90: return 0x45;
        case 0x91: return 0x46;
        case 0xBA: return 0x27;
        case 0xBB: return 0x0D;
        case 0xBC: return 0x33;
        case 0xBD: return 0x0C;
        case 0xBE: return 0x34;
        case 0xBF: return 0x35;
        case 0xC0: return 0x29;
        case 0xDB: return 0x1A;
        case 0xDC: return 0x2B;
        case 0xDD: return 0x1B;
        case 0xDE: return 0x28;
        default: return 0;
    }
}

const char* VirtualKeyName(std::uint8_t vk) {
    static constexpr std::array<const char*, 26> kLetterNames{
        "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
        "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    static constexpr std::array<const char*, 10> kDigitNames{"0", "1", "2", "3", "4",
                                                             "5", "6", "7", "8", "9"};
    static constexpr std::array<const char*, 16> kFunctionNames{
        "F1", "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",
        "F9", "F10", "F11", "F12", "F13", "F14", "F15", "F16"};
    static constexpr std::array<const char*, 10> kNumpadNames{
        "Num0", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7", "Num8", "Num9"};
    if (vk >= 'A' && vk <= 'Z')
        return kLetterNames[vk - 'A'];
    if (vk >= '0' && vk <= '9')
        return kDigitNames[vk - '0'];
    if (vk >= 0x70 && vk <= 0x7F)
        return kFunctionNames[vk - 0x70];
    if (vk >= 0x60 && vk <= 0x69)
        return kNumpadNames[vk - 0x60];
    switch (vk) {
        case 0x01: return "LButton";
        case 0x02: return "RButton";
        case 0x03: return "Cancel";
        case 0x04: return "MButton";
        case 0x08: return "Backspace";
        case 0x09: return "Tab";
        case 0x0C: return "Clear";
        case 0x0D: return "Enter";
        case 0x10: return "Shift";
        case 0x11: return "Ctrl";
        case 0x12: return "Alt";
        case 0x13: return "Pause";
        case 0x14: return "CapsLock";
        case 0x1B: return "Esc";
        case 0x20: return "Space";
        case 0x21: return "PageUp";
        case 0x22: return "PageDown";
        case 0x23: return "End";
        case 0x24: return "Home";
        case 0x25: return "Left";
        case 0x26: return "Up";
        case 0x27: return "Right";
        case 0x28: return "Down";
        case 0x29: return "Select";
        case 0x2A: return "Print";
        case 0x2B: return "Execute";
        case 0x2C: return "PrintScreen";
        case 0x2D: return "Insert";
        case 0x2E: return "Delete";
        case 0x2F: return "Help";
        case 0x5B: return "LWin";
        case 0x5C: return "RWin";
        case 0x5D: return "Apps";
        case 0x6A: return "Multiply";
        case 0x6B: return "Add";
        case 0x6C: return "Separator";
        case 0x6D: return "Subtract";
        case 0x6E: return "Decimal";
        case 0x6F: return "Divide";
        case 0x90: return "NumLock";
        case 0x91: return "ScrollLock";
        case 0xBA: return "Semicolon";
        case 0xBB: return "Equals";
        case 0xBC: return "Comma";
        case 0xBD: return "Minus";
        case 0xBE: return "Period";
        case 0xBF: return "Slash";
        case 0xC0: return "Backquote";
        case 0xDB: return "LeftBracket";
        case 0xDC: return "Backslash";
        case 0xDD: return "RightBracket";
        case 0xDE: return "Quote";
        default: return "";
    }
}

}  // namespace pultara
