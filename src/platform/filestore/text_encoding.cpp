#include "platform/filestore/text_encoding.h"

#include <array>

#include "text/utf8.h"

namespace pultara::filestore {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252's characters 0x80..0x9F; the five unassigned ones map to the
// C1 controls of the same number, as Windows does.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = DecodeUtf8At(text, pos).length;
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

std::string SanitiseUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = DecodeUtf8At(text, pos).length;
        if (length == 0) {
            AppendUtf8(out, kReplacement);
            ++pos;
        } else {
            out.append(text.substr(pos, length));
            pos += length;
        }
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char ch : text) {
        auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x80 && byte < 0xA0) {
            AppendUtf8(out, kCp1252High[byte - 0x80]);
        } else {
            AppendUtf8(out, byte);
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::uint8_t* bytes, std::size_t size, bool bigEndian, bool& lossy) {
    std::string out;
    auto unit = [&](std::size_t i) -> char32_t {
        return bigEndian ? (bytes[i] << 8 | bytes[i + 1]) : (bytes[i + 1] << 8 | bytes[i]);
    };
    std::size_t i = 0;
    for (; i + 1 < size; i += 2) {
        char32_t c = unit(i);
        bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 3 < size && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
            lossy = true;
        }
        AppendUtf8(out, c);
    }
    if (i < size) {
        AppendUtf8(out, kReplacement);
        lossy = true;
    }
    return out;
}

std::vector<std::uint8_t> Utf8ToUtf16Le(std::string_view text) {
    std::string clean = IsValidUtf8(text) ? std::string(text) : SanitiseUtf8(text);
    std::vector<std::uint8_t> out;
    out.reserve(clean.size() * 2);
    auto put = [&](char32_t unit) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    };
    for (std::size_t pos = 0; pos < clean.size();) {
        const Utf8Sequence sequence = DecodeUtf8At(clean, pos);
        const char32_t c = sequence.character;
        pos += sequence.length;
        if (c >= 0x10000) {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            put(c);
        }
    }
    return out;
}

std::string DecodeFileText(std::string_view bytes, bool& lossy) {
    auto data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (bytes.size() >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        return Utf16ToUtf8(data + 2, bytes.size() - 2, false, lossy);
    }
    if (bytes.size() >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
        return Utf16ToUtf8(data + 2, bytes.size() - 2, true, lossy);
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    return IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

}  // namespace pultara::filestore
