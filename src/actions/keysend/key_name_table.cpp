#include "actions/keysend/key_name_table.h"

namespace pultara {

// Note the print keys: "PRTSC" is VK_PRINT (0x2A) and "PRINT" is VK_SNAPSHOT
// (0x2C). Commands written for these names rely on that pairing.
const std::array<KeyName, 89> kKeyNameTable{{
    {"LBUTTON", 0x01},
    {"RBUTTON", 0x02},
    {"CANCEL", 0x03},
    {"MBUTTON", 0x04},
    {"BACK", 0x08},
    {"TAB", 0x09},
    {"CLEAR", 0x0C},
    {"RETURN", 0x0D},
    {"ENTER", 0x0D},
    {"SHIFT", 0x10},
    {"CONTROL", 0x11},
    {"ALT", 0x12},
    {"PAUSE", 0x13},
    {"CAPS", 0x14},
    {"CAPSLOCK", 0x14},
    {"ESC", 0x1B},
    {"ESCAPE", 0x1B},
    {"SPACE", 0x20},
    {"PAGEUP", 0x21},
    {"PGUP", 0x21},
    {"PAGEDOWN", 0x22},
    {"PGDN", 0x22},
    {"END", 0x23},
    {"HOME", 0x24},
    {"LEFT", 0x25},
    {"UP", 0x26},
    {"RIGHT", 0x27},
    {"DOWN", 0x28},
    {"SELECT", 0x29},
    {"PRTSC", 0x2A},
    {"EXECUTE", 0x2B},
    {"PRINT", 0x2C},
    {"INS", 0x2D},
    {"DEL", 0x2E},
    {"DELETE", 0x2E},
    {"HELP", 0x2F},
    {"LWIN", 0x5B},
    {"RWIN", 0x5C},
    {"APPS", 0x5D},
    {"NUM0", 0x60},
    {"NUM1", 0x61},
    {"NUM2", 0x62},
    {"NUM3", 0x63},
    {"NUM4", 0x64},
    {"NUM5", 0x65},
    {"NUM6", 0x66},
    {"NUM7", 0x67},
    {"NUM8", 0x68},
    {"NUM9", 0x69},
    {"MUL", 0x6A},
    {"ADD", 0x6B},
    {"SEPERATOR", 0x6C},
    {"SUB", 0x6D},
    {"DECIMAL", 0x6E},
    {"DIV", 0x6F},
    {"F1", 0x70},
    {"F2", 0x71},
    {"F3", 0x72},
    {"F4", 0x73},
    {"F5", 0x74},
    {"F6", 0x75},
    {"F7", 0x76},
    {"F8", 0x77},
    {"F9", 0x78},
    {"F10", 0x79},
    {"F11", 0x7A},
    {"F12", 0x7B},
    {"F13", 0x7C},
    {"F14", 0x7D},
    {"F15", 0x7E},
    {"F16", 0x7F},
    {"NUMLOCK", 0x90},
    {"SCROLLLOCK", 0x91},
    {"ATTN", 0xF6},
    {"CRSEL", 0xF7},
    {"EXSEL", 0xF8},
    {"EREOF", 0xF9},
    {"PLAY", 0xFA},
    {"ZOOM", 0xFB},
    {"NONAME", 0xFC},
    {"PA1", 0xFD},
    {"OEMCLEAR", 0xFE},
    // The second entries of names that occur twice.
    {"CLEAR", 0x0C},
    {"DOWN", 0x28},
    {"LEFT", 0x25},
    {"RIGHT", 0x27},
    {"TAB", 0x09},
    {"UP", 0x26},
    {"MUL", 0x6A},
}};

std::optional<std::uint8_t> LookUpKeyName(std::string_view upperCaseName) {
    std::optional<std::uint8_t> found;
    for (const KeyName& entry : kKeyNameTable) {
        if (entry.name == upperCaseName) {
            found = entry.virtualKey;
        }
    }
    return found;
}

bool IsExtendedKey(std::uint8_t vk) {
    return (vk >= 0x21 && vk <= 0x28) || vk == 0x2D || vk == 0x2E || (vk >= 0x5B && vk <= 0x5D) ||
           (vk >= 0x60 && vk <= 0x69) || vk == 0x6B || vk == 0x6D;
}

}  // namespace pultara
