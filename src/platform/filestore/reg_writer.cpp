#include "platform/filestore/reg_writer.h"

#include <algorithm>
#include <cstdio>

#include "platform/filestore/text_encoding.h"

namespace pultara::filestore {

namespace {

constexpr std::size_t kHexLineWidth = 78;

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

// A string value that reads back the same from quotes: well-formed UTF-8,
// one terminating zero, no other zero and no control character but tab.
bool FitsInQuotes(const StoredValue& value) {
    const auto& d = value.data;
    if (value.type != kValueString || d.empty() || d.back() != 0) {
        return false;
    }
    bool plain =
        std::none_of(d.begin(), d.end() - 1, [](std::uint8_t b) { return b < 0x20 && b != '\t'; });
    return plain &&
           IsValidUtf8(std::string_view(reinterpret_cast<const char*>(d.data()), d.size() - 1));
}

std::string HexBytes(std::string line, const std::vector<std::uint8_t>& bytes) {
    std::string out;
    char item[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bool last = i + 1 == bytes.size();
        std::snprintf(item, sizeof item, last ? "%02x" : "%02x,", bytes[i]);
        if (line.size() + 3 > kHexLineWidth) {
            out += line + "\\\n";
            line = "  ";
        }
        line += item;
    }
    return out + line;
}

std::string Data(const StoredValue& value, std::string prefix) {
    if (FitsInQuotes(value)) {
        std::string_view text(reinterpret_cast<const char*>(value.data.data()),
                              value.data.size() - 1);
        return prefix + Quote(text);
    }
    const auto& d = value.data;
    if (value.type == kValueDword && d.size() == 4) {
        char number[16];
        std::snprintf(number, sizeof number, "dword:%08x",
                      static_cast<unsigned>(d[0]) | static_cast<unsigned>(d[1]) << 8 |
                          static_cast<unsigned>(d[2]) << 16 | static_cast<unsigned>(d[3]) << 24);
        return prefix + number;
    }
    char type[24];
    std::snprintf(type, sizeof type, "hex(%x):", static_cast<unsigned>(value.type));
    prefix += value.type == kValueBinary ? "hex:" : type;
    if (value.type == 1 || value.type == 2 || value.type == 7) {
        std::string_view text(reinterpret_cast<const char*>(d.data()), d.size());
        return HexBytes(std::move(prefix), Utf8ToUtf16Le(text));
    }
    return HexBytes(std::move(prefix), d);
}

}  // namespace

std::string WriteRegFile(const RegDocument& document) {
    std::string out = "Windows Registry Editor Version 5.00\n";
    for (const RegKey& key : document.Keys()) {
        // "[-" starts a key removal; a leading backslash, which reading
        // drops, keeps a key whose name begins with '-' a key.
        out += key.path.starts_with('-') ? "\n[\\" : "\n[";
        out += key.path + "]\n";
        for (const RegValue& v : key.values) {
            std::string name = v.name.empty() ? "@=" : Quote(v.name) + "=";
            out += Data(v.value, std::move(name)) + "\n";
        }
    }
    return out;
}

}  // namespace pultara::filestore
