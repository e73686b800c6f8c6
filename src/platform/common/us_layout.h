#pragma once
#include <cstdint>

namespace pultara {

// The US English keyboard layout as Windows reports it: the KeyCode that
// types a character (virtual key, Shift in the high byte) and the set-1 scan
// code of each virtual key. Used by the recording doubles, the key tool, and
// by back ends that turn virtual keys into physical keys.
std::uint16_t UsKeyCodeForCharacter(char32_t character);
std::uint8_t UsScanCodeForVirtualKey(std::uint8_t virtualKey);

// A short readable name of a virtual key ("Shift", "A", "Left", "F4"), or
// an empty string for a code without one.
const char* VirtualKeyName(std::uint8_t virtualKey);

}  // namespace pultara
