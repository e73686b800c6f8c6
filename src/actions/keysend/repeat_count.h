#pragma once
#include <cstdint>
#include <string>

namespace pultara {

// The repeat count of a brace group from the text after its first space:
// leading spaces, an optional "+" or "-", then decimal digits, or hexadecimal
// digits after "$", "x" or "0x". The number must fit a 32-bit signed integer
// (hexadecimal: 32 bits) and is taken modulo 65536. Anything else throws
// KeyCommandError("'<text>' ist kein gültiger Integerwert").
std::uint16_t ParseRepeatCount(const std::string& text);

}  // namespace pultara
