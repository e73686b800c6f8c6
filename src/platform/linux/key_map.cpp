#include "platform/linux/key_map.h"

#include <array>

#include "platform/common/us_layout.h"

namespace pultara::linux_x11 {

namespace {

struct VirtualKeyEntry {
    std::uint8_t virtualKey;
    std::uint8_t evdev;
};

// Keys identified by their virtual key alone.
constexpr VirtualKeyEntry kFixedKeys[] = {
    {0x03, 223},                           // Cancel
    {0x08, 14},  {0x09, 15},  {0x0C, 76},  // Clear is keypad 5 without Num Lock
    {0x0D, 28},  {0x10, 42},  {0x11, 29},  {0x12, 56},  {0x13, 119}, {0x14, 58},  {0x1B, 1},
    {0x20, 57},  {0x21, 104}, {0x22, 109}, {0x23, 107}, {0x24, 102}, {0x25, 105}, {0x26, 103},
    {0x27, 106}, {0x28, 108}, {0x2A, 210},  // Print
    {0x2C, 99},                             // Print Screen
    {0x2D, 110}, {0x2E, 111}, {0x2F, 138}, {0x5B, 125}, {0x5C, 126}, {0x5D, 127}, {0x60, 82},
    {0x61, 79},  {0x62, 80},  {0x63, 81},  {0x64, 75},  {0x65, 76},  {0x66, 77},  {0x67, 71},
    {0x68, 72},  {0x69, 73},  {0x6A, 55},  {0x6B, 78},  {0x6C, 121}, {0x6D, 74},  {0x6E, 83},
    {0x6F, 98},  {0x7A, 87},  {0x7B, 88},  {0x90, 69},  {0x91, 70},  {0xA0, 42},  {0xA1, 54},
    {0xA2, 29},  {0xA3, 97},  {0xA4, 56},  {0xA5, 100}, {0xFA, 207},  // Play
    {0x7C, 183}, {0x7D, 184}, {0x7E, 185}, {0x7F, 186},               // F13..F16
};

// Keys with the E0 prefix, by scan code.
constexpr VirtualKeyEntry kExtendedScanCodes[] = {
    {0x1C, 96},  {0x1D, 97},  {0x35, 98},  {0x37, 99},  {0x38, 100}, {0x47, 102},
    {0x48, 103}, {0x49, 104}, {0x4B, 105}, {0x4D, 106}, {0x4F, 107}, {0x50, 108},
    {0x51, 109}, {0x52, 110}, {0x53, 111}, {0x5B, 125}, {0x5C, 126}, {0x5D, 127},
};

std::uint8_t Lookup(const auto& table, std::uint8_t key) {
    for (const VirtualKeyEntry& entry : table) {
        if (entry.virtualKey == key) {
            return entry.evdev;
        }
    }
    return kNoEvdevCode;
}

std::uint8_t EvdevCodeForScanCode(std::uint8_t scan, bool extended) {
    if (extended) {
        return Lookup(kExtendedScanCodes, scan);
    }
    if (scan >= 0x01 && scan <= 0x53) {
        return scan;  // the first rows are numbered alike in both systems
    }
    switch (scan) {
        case 0x54: return 99;   // SysRq
        case 0x56: return 86;   // the 102nd key
        case 0x57: return 87;   // F11
        case 0x58: return 88;   // F12
        case 0x73: return 89;   // Brazilian /? key
        case 0x7D: return 124;  // Yen
        default: return kNoEvdevCode;
    }
}

}  // namespace

std::uint8_t EvdevCodeForKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool extended) {
    if (const std::uint8_t fixed = Lookup(kFixedKeys, virtualKey); fixed != kNoEvdevCode) {
        return fixed;
    }
    return EvdevCodeForScanCode(scanCode, extended);
}

std::uint8_t ScanCodeForVirtualKey(std::uint8_t virtualKey) {
    switch (virtualKey) {
        case 0xE2: return 0x56;  // VK_OEM_102
        case 0xC1: return 0x73;  // VK_ABNT_C1
        default: return UsScanCodeForVirtualKey(virtualKey);
    }
}

std::uint8_t VirtualKeyForEvdevCode(std::uint8_t evdevCode) {
    static const std::array<std::uint8_t, 256> table = [] {
        std::array<std::uint8_t, 256> result{};
        // From the highest virtual key down, so that the lowest one wins
        // (VK_SHIFT before VK_LSHIFT). Clear shares its key with keypad 5.
        for (int vk = 0xFE; vk >= 1; --vk) {
            const auto key = static_cast<std::uint8_t>(vk);
            if (key == 0x0C) {
                continue;
            }
            const std::uint8_t evdev = EvdevCodeForKeyEvent(key, ScanCodeForVirtualKey(key), false);
            if (evdev != kNoEvdevCode) {
                result[evdev] = key;
            }
        }
        return result;
    }();
    return table[evdevCode];
}

}  // namespace pultara::linux_x11
