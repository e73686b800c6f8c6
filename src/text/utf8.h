#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace pultara {

// Settings, key commands and the help text are UTF-8; these two are the one
// place where its bytes are put together and taken apart.

// Appends `c` in UTF-8. A surrogate half or a value beyond U+10FFFF, which
// UTF-8 cannot carry, becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t c);

struct Utf8Sequence {
    char32_t character = 0;
    std::size_t length = 0;  // bytes used; 0 when the bytes are not well-formed
};

// The sequence that starts at `at` (which must be inside `text`). Overlong
// forms, surrogates, values beyond U+10FFFF, stray continuation bytes and
// sequences cut short by the end of `text` have length 0.
Utf8Sequence DecodeUtf8At(std::string_view text, std::size_t at);

}  // namespace pultara
