#include "rtf_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "text/utf8.h"

namespace pultara::rtf {

namespace {

// Windows-1252 from 0x80 to 0x9F; the rest of the upper half is Latin-1.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t FromCp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
}

// Destinations whose text is not part of the document.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::string_view kSkipped[] = {"fonttbl",
                                                    "colortbl",
                                                    "stylesheet",
                                                    "info",
                                                    "pict",
                                                    "header",
                                                    "footer",
                                                    "headerl",
                                                    "headerr",
                                                    "footerl",
                                                    "footerr",
                                                    "listtable",
                                                    "object",
                                                    "fldinst",
                                                    "themedata",
                                                    "latentstyles",
                                                    "rsidtbl",
                                                    "xmlnstbl",
                                                    "listoverridetable",
                                                    "filetbl",
                                                    "revtbl",
                                                    "generator",
                                                    "datastore",
                                                    "colorschememapping",
                                                    "mmathPr",
                                                    "pgdsctbl"};
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

constexpr long kHuge = 2147483647;

struct State {
    Run format;
    bool skip = false;
    int unicodeSkip = 1;  // \uc: fallback characters after each \u
};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    Document Read() {
        document_.paragraphs.emplace_back();
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '{') {
                OpenGroup();
            } else if (c == '}') {
                CloseGroup();
            } else if (c == '\\') {
                ControlSymbolOrWord();
            } else if (c != '\r' && c != '\n') {
                Character(static_cast<unsigned char>(c));
            }
        }
        return std::move(document_);
    }

private:
    State& Top() { return stack_.back(); }

    void OpenGroup() {
        if (static_cast<int>(stack_.size()) >= kMaxDepth) {
            ++flattened_;  // too deep: stays in the current group
            return;
        }
        stack_.push_back(Top());
        groupStart_ = true;
    }

    void CloseGroup() {
        if (flattened_ > 0) {
            --flattened_;
        } else if (stack_.size() > 1) {
            stack_.pop_back();
        }
        groupStart_ = false;
    }

    void ControlSymbolOrWord() {
        if (pos_ >= text_.size()) {
            return;
        }
        const char c = text_[pos_];
        if (std::isalpha(static_cast<unsigned char>(c))) {
            ControlWord();
            return;
        }
        ++pos_;
        const bool wasGroupStart = groupStart_;
        groupStart_ = false;
        switch (c) {
            case '\'': HexByte(); break;
            case '*':
                if (wasGroupStart) {
                    Top().skip = true;  // an optional destination
                }
                break;
            case '~': Emit(0x00A0); break;
            case '_': Emit(U'-'); break;
            case '-': break;  // optional hyphen
            case '\r':
            case '\n': Paragraph(); break;                        // "\" at a line end is \par
            default: Emit(static_cast<unsigned char>(c)); break;  // \{ \} \\ and others
        }
    }

    void ControlWord() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[pos_])) &&
               pos_ - start < 32) {
            ++pos_;
        }
        const std::string_view word = text_.substr(start, pos_ - start);
        std::optional<long> parameter;
        const std::size_t digits = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-') {
            ++pos_;
        }
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        if (pos_ > digits && std::isdigit(static_cast<unsigned char>(text_[pos_ - 1]))) {
            // Longer numbers than any RTF uses count as very large.
            const std::string number(
                text_.substr(digits, std::min<std::size_t>(pos_ - digits, 11)));
            parameter = pos_ - digits > 11 ? (number[0] == '-' ? -kHuge : kHuge)
                                           : std::strtol(number.c_str(), nullptr, 10);
        } else {
            pos_ = digits;
        }
        if (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;  // the delimiting space belongs to the word
        }
        const bool wasGroupStart = groupStart_;
        groupStart_ = false;
        if (wasGroupStart && IsSkippedDestination(word)) {
            Top().skip = true;
            return;
        }
        Apply(word, parameter);
    }

    void Apply(std::string_view word, std::optional<long> parameter) {
        Run& f = Top().format;
        const bool on = !parameter || *parameter != 0;
        if (word == "par") {
            Paragraph();
        } else if (word == "line") {
            Emit(U'\n');
        } else if (word == "tab") {
            Emit(U'\t');
        } else if (word == "b") {
            f.bold = on;
        } else if (word == "i") {
            f.italic = on;
        } else if (word == "ul") {
            f.underline = on;
        } else if (word == "ulnone") {
            f.underline = false;
        } else if (word == "fs") {
            f.halfPoints = parameter ? static_cast<int>(std::clamp(*parameter, 2L, 3276L)) : 24;
        } else if (word == "plain") {
            f = Run{};
        } else if (word == "uc") {
            Top().unicodeSkip = parameter ? static_cast<int>(std::clamp(*parameter, 0L, 8L)) : 1;
        } else if (word == "u" && parameter) {
            Unicode(*parameter);
        } else {
            Named(word);
        }
    }

    void Named(std::string_view word) {
        struct Symbol {
            std::string_view word;
            char32_t character;
        };
        static constexpr Symbol kSymbols[] = {
            {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
            {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
            {"enspace", 0x2002}, {"sect", U'\n'},       {"page", U'\n'},       {"cell", U'\t'},
        };
        for (const Symbol& symbol : kSymbols) {
            if (symbol.word == word) {
                Emit(symbol.character);
                return;
            }
        }
    }

    void Unicode(long value) {
        // Values above 32767 are written negative (a signed 16-bit number).
        const auto code = static_cast<char32_t>(value < 0 ? value + 65536 : value);
        Emit(code <= 0x10FFFF ? code : 0xFFFD);
        SkipFallback(Top().unicodeSkip);
    }

    // Skips the characters that stand in for a \u character in readers
    // without Unicode: each plain character or \'hh counts as one.
    void SkipFallback(int count) {
        while (count > 0 && pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '{' || c == '}') {
                return;
            }
            if (c == '\\') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                    pos_ = std::min(text_.size(), pos_ + 4);
                } else {
                    return;  // another control word ends the fallback
                }
            } else {
                ++pos_;
            }
            --count;
        }
    }

    void HexByte() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < text_.size() &&
               std::isxdigit(static_cast<unsigned char>(text_[pos_]))) {
            const char h = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[pos_])));
            value = value * 16 + (h <= '9' ? h - '0' : h - 'a' + 10);
            ++digits;
            ++pos_;
        }
        if (digits > 0) {
            Emit(FromCp1252(static_cast<unsigned char>(value)));
        }
    }

    void Character(unsigned char c) {
        groupStart_ = false;
        // Raw bytes above 0x7F are read in the document's code page.
        Emit(c < 0x80 ? c : FromCp1252(c));
    }

    void Emit(char32_t c) {
        if (Top().skip) {
            return;
        }
        std::vector<Run>& runs = document_.paragraphs.back().runs;
        if (runs.empty() || !runs.back().SameFormat(Top().format)) {
            runs.push_back(Top().format);
            runs.back().text.clear();
        }
        AppendUtf8(runs.back().text, c);
    }

    void Paragraph() {
        if (!Top().skip) {
            document_.paragraphs.emplace_back();
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::vector<State> stack_{State{}};
    int flattened_ = 0;
    bool groupStart_ = false;
    Document document_;
};

}  // namespace

std::string Document::PlainText() const {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        for (const Run& run : paragraphs[i].runs) {
            text += run.text;
        }
    }
    return text;
}

std::optional<Document> Read(std::string_view rtf) {
    // A byte-order mark and leading blanks are tolerated, as rich-text views do.
    if (rtf.starts_with("\xEF\xBB\xBF")) {
        rtf.remove_prefix(3);
    }
    rtf.remove_prefix(std::min(rtf.size(), rtf.find_first_not_of(" \t\r\n")));
    if (rtf.substr(0, 5) != "{\\rtf") {
        return std::nullopt;
    }
    Document document = Reader(rtf).Read();
    // A closing \par leaves an empty paragraph behind.
    if (document.paragraphs.size() > 1 && document.paragraphs.back().runs.empty()) {
        document.paragraphs.pop_back();
    }
    return document;
}

}  // namespace pultara::rtf
