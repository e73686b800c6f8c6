#pragma once
#include <string>
#include <string_view>

namespace pultara {

// A KeyCommand as the characters the interpreter reads: Unicode code points.
// It ends at the first NUL. A byte that is not part of valid UTF-8 becomes
// one character of its own, kept as a lone surrogate (U+DC80 + byte) so that
// it never matches a key and is never handed to the keyboard layout.
std::u32string DecodeKeyCommand(std::string_view utf8);

// True for a character that stands for an undecodable byte.
bool IsUndecodableByte(char32_t character);

// UTF-8 text of decoded characters, for messages; an undecodable byte shows
// as U+FFFD.
std::string EncodeUtf8(std::u32string_view characters);

}  // namespace pultara
