#include "actions/keysend/command_text.h"

#include <cstdint>

#include "text/utf8.h"

namespace pultara {

namespace {

constexpr char32_t kFirstUndecodable = 0xDC80;

}  // namespace

std::u32string DecodeKeyCommand(std::string_view utf8) {
    std::u32string characters;
    characters.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size() && utf8[at] != '\0') {
        const Utf8Sequence decoded = DecodeUtf8At(utf8, at);
        if (decoded.length == 0) {
            characters += static_cast<char32_t>(kFirstUndecodable +
                                                static_cast<unsigned char>(utf8[at]) - 0x80);
            ++at;
        } else {
            characters += decoded.character;
            at += decoded.length;
        }
    }
    return characters;
}

bool IsUndecodableByte(char32_t character) {
    return character >= kFirstUndecodable && character <= kFirstUndecodable + 0x7F;
}

std::string EncodeUtf8(std::u32string_view characters) {
    std::string out;
    out.reserve(characters.size());
    for (char32_t c : characters) {
        AppendUtf8(out, IsUndecodableByte(c) ? U'\uFFFD' : c);
    }
    return out;
}

}  // namespace pultara
