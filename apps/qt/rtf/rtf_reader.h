#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pultara::rtf {

// A stretch of text with one character format.
struct Run {
    std::string text;  // UTF-8
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;  // font size in half points (\fs), 12 pt by default

    bool SameFormat(const Run& other) const {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               halfPoints == other.halfPoints;
    }
};

struct Paragraph {
    std::vector<Run> runs;
};

struct Document {
    std::vector<Paragraph> paragraphs;
    std::string PlainText() const;  // paragraphs joined by '\n'
};

// Reads the part of RTF a manual needs: paragraphs (\par), line breaks and
// tabs, bold, italic and underline, font sizes, \plain, the character escapes
// (\'hh in the document's Windows code page, \uN with its \uc fallback,
// \{ \} \\ and the named punctuation), and groups. Font, colour and style
// tables, pictures, fields' instructions and every "\*" destination are
// skipped. Unknown control words are ignored, as RTF readers must.
//
// Returns nothing when the text is not RTF (it must open with "{\rtf", after
// an optional byte-order mark and blanks);
// malformed input never fails otherwise: unbalanced braces are tolerated and
// nesting deeper than kMaxDepth is flattened.
std::optional<Document> Read(std::string_view rtf);

inline constexpr int kMaxDepth = 200;

}  // namespace pultara::rtf
