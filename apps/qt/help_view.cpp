#include "help_view.h"

#include <QScrollBar>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "qt_text.h"
#include "rtf_reader.h"

namespace pultara::qt {

namespace {

QTextCharFormat FormatOf(const rtf::Run& run) {
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline);
    format.setFontPointSize(run.halfPoints / 2.0);
    return format;
}

void Fill(QTextDocument& document, const rtf::Document& content) {
    QTextCursor cursor(&document);
    bool first = true;
    for (const rtf::Paragraph& paragraph : content.paragraphs) {
        if (!first) {
            cursor.insertBlock(QTextBlockFormat());
        }
        first = false;
        for (const rtf::Run& run : paragraph.runs) {
            // \line breaks the line inside the paragraph.
            cursor.insertText(ToQt(run.text).replace(QChar('\n'), QChar::LineSeparator),
                              FormatOf(run));
        }
    }
}

}  // namespace

void ShowHelpText(QTextBrowser& view, const std::string& text, bool richText) {
    const std::optional<rtf::Document> content = richText ? rtf::Read(text) : std::nullopt;
    if (!content) {
        view.setPlainText(ToQt(text));
    } else {
        QTextDocument& document = *view.document();
        document.clear();
        Fill(document, *content);
    }
    // The view's own cursor moved along with the inserted text; the view
    // would scroll to it when shown. The help starts at its first line.
    view.moveCursor(QTextCursor::Start);
    view.verticalScrollBar()->setValue(0);
}

}  // namespace pultara::qt
