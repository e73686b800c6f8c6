#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pultara::filestore {

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view text);
// `text` with every ill-formed sequence replaced by U+FFFD.
std::string SanitiseUtf8(std::string_view text);
// Windows-1252 ("ANSI" on western systems) to UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-16 code units to UTF-8. Unpaired surrogates and a trailing odd byte
// become U+FFFD; `lossy` tells whether that happened.
std::string Utf16ToUtf8(const std::uint8_t* bytes, std::size_t size, bool bigEndian, bool& lossy);
// Well-formed UTF-8 to UTF-16LE bytes (ill-formed input is sanitised first).
std::vector<std::uint8_t> Utf8ToUtf16Le(std::string_view text);

// A whole file as UTF-8 text: UTF-16 with a byte-order mark is converted,
// a UTF-8 byte-order mark is dropped, and 8-bit text that is not UTF-8 is
// taken as Windows-1252. `lossy` tells whether characters were replaced.
std::string DecodeFileText(std::string_view bytes, bool& lossy);

}  // namespace pultara::filestore
