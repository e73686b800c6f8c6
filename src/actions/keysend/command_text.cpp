#include "actions/keysend/command_text.h"

#include <cstdint>

namespace pultara {

namespace {

constexpr char32_t kFirstUndecodable = 0xDC80;

struct Decoded {
    char32_t character;
    std::size_t length;  // bytes used; 0 when the bytes are not valid UTF-8
};

// Length and payload bits of a UTF-8 lead byte; length 0 when it cannot lead.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

Decoded DecodeOne(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || at + length > text.size()) {
        return {0, 0};
    }
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = lead & kLeadMask[length];
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return {0, 0};
        }
        value = (value << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (value < kSmallest[length] || value > 0x10FFFF || surrogate) {
        return {0, 0};
    }
    return {value, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u32string DecodeKeyCommand(std::string_view utf8) {
    std::u32string characters;
    characters.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size() && utf8[at] != '\0') {
        const Decoded decoded = DecodeOne(utf8, at);
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
