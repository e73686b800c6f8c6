#include "platform/filestore/reg_parser.h"

#include <optional>

#include "platform/filestore/text_encoding.h"

namespace pultara::filestore {

namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

bool StartsWithIgnoringCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && EqualsIgnoringCase(s.substr(0, prefix.size()), prefix);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// 1 to `maxDigits` hex digits, the whole of `s`.
std::optional<std::uint32_t> ParseHexNumber(std::string_view s, std::size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits) {
        return std::nullopt;
    }
    std::uint32_t n = 0;
    for (char c : s) {
        int d = HexDigit(c);
        if (d < 0) {
            return std::nullopt;
        }
        n = n << 4 | static_cast<std::uint32_t>(d);
    }
    return n;
}

// A quoted text at the start of `s` (which begins with '"'). `\\` and `\"`
// are escapes; any other backslash stands for itself. Advances `s` past the
// closing quote.
std::optional<std::string> TakeQuoted(std::string_view& s) {
    std::string out;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] == '"') {
            s.remove_prefix(i + 1);
            return out;
        }
        if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            ++i;
        }
        out += s[i];
    }
    return std::nullopt;
}

// Comma-separated bytes of a hex value; a trailing comma is allowed.
std::optional<std::vector<std::uint8_t>> ParseHexBytes(std::string_view s) {
    std::vector<std::uint8_t> bytes;
    while (!(s = Trim(s)).empty()) {
        std::size_t comma = s.find(',');
        std::string_view item = Trim(s.substr(0, comma));
        auto byte = ParseHexNumber(item, 2);
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(*byte));
        s = comma == std::string_view::npos ? std::string_view() : s.substr(comma + 1);
    }
    return bytes;
}

bool IsStringType(std::uint32_t type) {
    return type == 1 || type == 2 || type == 7;
}

class Parser {
public:
    explicit Parser(std::string text) : text_(std::move(text)) {}
    ParsedFile Run();

private:
    bool NextLine(std::string_view& line);
    void Problem(std::string message) { result_.problems.push_back({lineNo_, std::move(message)}); }
    void Header(std::string_view line);
    void Section(std::string_view line);
    void ValueLine(std::string_view line);
    std::optional<StoredValue> Data(std::string_view data);
    std::optional<StoredValue> HexData(std::string_view data);
    std::string JoinContinuations(std::string_view first);

    std::string text_;
    std::size_t pos_ = 0;
    int lineNo_ = 0;
    bool version4_ = false;
    std::optional<std::string> key_;  // the section the values belong to
    ParsedFile result_;
};

bool Parser::NextLine(std::string_view& line) {
    if (pos_ >= text_.size()) {
        return false;
    }
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string::npos) {
        end = text_.size();
    }
    line = std::string_view(text_).substr(pos_, end - pos_);
    pos_ = end + 1;
    ++lineNo_;
    return true;
}

ParsedFile Parser::Run() {
    std::string_view line;
    bool headerSeen = false;
    while (NextLine(line)) {
        line = Trim(line);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (!headerSeen) {
            headerSeen = true;
            if (line == kHeader5 || line == kHeader4) {
                version4_ = line == kHeader4;
                continue;
            }
            Problem("the file does not start with a registry export header");
        }
        if (line.front() == '[') {
            Section(line);
        } else if (line.front() == '"' || line.front() == '@') {
            ValueLine(line);
        } else {
            Problem("neither a key nor a value");
        }
    }
    return std::move(result_);
}

void Parser::Section(std::string_view line) {
    key_.reset();
    if (line.back() != ']') {
        Problem("a key line without its closing bracket");
        return;
    }
    std::string_view inner = line.substr(1, line.size() - 2);
    bool removal = !inner.empty() && inner.front() == '-';
    std::string path = NormaliseKeyPath(removal ? inner.substr(1) : inner);
    if (path.empty()) {
        Problem("a key without a name");
    } else if (removal) {
        result_.document.Remove(path);
    } else {
        key_ = result_.document.Create(path).path;
    }
}

void Parser::ValueLine(std::string_view line) {
    std::string name;
    if (line.front() == '@') {
        line.remove_prefix(1);
    } else {
        auto quoted = TakeQuoted(line);
        if (!quoted) {
            Problem("a value name without its closing quote");
            return;
        }
        name = std::move(*quoted);
    }
    line = Trim(line);
    if (line.empty() || line.front() != '=') {
        Problem("a value name without '='");
        return;
    }
    std::string data = JoinContinuations(Trim(line.substr(1)));
    if (!key_) {
        Problem("a value outside of any key");
        return;
    }
    RegKey* key = result_.document.Find(*key_);
    if (data == "-") {
        key->Remove(name);
    } else if (auto value = Data(data)) {
        key->Set(name, *value);
    }
}

// Hex data may go on over further lines, each line but the last ending in '\'.
std::string Parser::JoinContinuations(std::string_view first) {
    std::string data(first);
    if (!StartsWithIgnoringCase(data, "hex")) {
        return data;
    }
    std::string_view next;
    while (!data.empty() && data.back() == '\\') {
        data.pop_back();
        if (!NextLine(next)) {
            Problem("hex data continued past the end of the file");
            break;
        }
        data += Trim(next);
    }
    return data;
}

std::optional<StoredValue> Parser::Data(std::string_view data) {
    if (!data.empty() && data.front() == '"') {
        auto text = TakeQuoted(data);
        if (!text || !Trim(data).empty()) {
            Problem(text ? "text after the closing quote" : "a text without its closing quote");
            return std::nullopt;
        }
        StoredValue value{kValueString, {text->begin(), text->end()}};
        value.data.push_back(0);
        return value;
    }
    if (StartsWithIgnoringCase(data, "dword:")) {
        auto n = ParseHexNumber(Trim(data.substr(6)), 8);
        if (!n) {
            Problem("a dword that is not 1 to 8 hex digits");
            return std::nullopt;
        }
        return StoredValue{
            kValueDword,
            {static_cast<std::uint8_t>(*n), static_cast<std::uint8_t>(*n >> 8),
             static_cast<std::uint8_t>(*n >> 16), static_cast<std::uint8_t>(*n >> 24)}};
    }
    if (StartsWithIgnoringCase(data, "hex")) {
        return HexData(data.substr(3));
    }
    Problem("data of an unknown form");
    return std::nullopt;
}

// After "hex": ":bytes" (binary) or "(type):bytes".
std::optional<StoredValue> Parser::HexData(std::string_view data) {
    StoredValue value{kValueBinary, {}};
    if (!data.empty() && data.front() == '(') {
        std::size_t close = data.find(')');
        auto type = close == std::string_view::npos ? std::nullopt
                                                    : ParseHexNumber(data.substr(1, close - 1), 8);
        if (!type) {
            Problem("a hex value without a readable type");
            return std::nullopt;
        }
        value.type = *type;
        data.remove_prefix(close + 1);
    }
    auto bytes = data.empty() || data.front() != ':' ? std::nullopt : ParseHexBytes(data.substr(1));
    if (!bytes) {
        Problem("hex data that is not a list of bytes");
        return std::nullopt;
    }
    if (!IsStringType(value.type)) {
        value.data = std::move(*bytes);
        return value;
    }
    // Texts in hex form are UTF-16 in version 5 files and ANSI in REGEDIT4.
    std::string text;
    if (version4_) {
        std::string_view raw(reinterpret_cast<const char*>(bytes->data()), bytes->size());
        text = IsValidUtf8(raw) ? std::string(raw) : Cp1252ToUtf8(raw);
    } else {
        bool lossy = false;
        text = Utf16ToUtf8(bytes->data(), bytes->size(), false, lossy);
        if (lossy) {
            Problem("a text that is not well-formed UTF-16");
        }
    }
    value.data.assign(text.begin(), text.end());
    return value;
}

}  // namespace

ParsedFile ParseRegFile(std::string_view bytes) {
    bool lossy = false;
    std::string text = DecodeFileText(bytes, lossy);
    ParsedFile parsed = Parser(std::move(text)).Run();
    if (lossy) {
        parsed.problems.insert(parsed.problems.begin(),
                               {0, "characters that are not well-formed UTF-16"});
    }
    return parsed;
}

}  // namespace pultara::filestore
