#pragma once
#include <QTextBrowser>
#include <string>

namespace pultara::qt {

// Shows the help text: RTF through the program's own reader (paragraphs,
// bold, italic, underline, sizes), anything else, or RTF the reader does
// not accept, as plain text.
void ShowHelpText(QTextBrowser& view, const std::string& text, bool richText);

}  // namespace pultara::qt
