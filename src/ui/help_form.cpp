#include "ui/help_form.h"

namespace pultara {

HelpForm::HelpForm(Files& files) : Form("FormHelp", "Hilfe"), files_(files) {
    startMaximised = true;
    autoSize = false;
    Control& view = Add("RichEdit1", ControlKind::RichEdit, {Name(), 0, 0});
    view.look.scrollBars = true;
    view.SetText(FallbackText());
    Control& ok = Add("Button1", ControlKind::Button, {Name(), 1, 0});
    ok.SetCaption("OK");
    ok.look.defaultButton = true;
    activeControl = "Button1";
}

std::string HelpForm::FallbackText() {
    return std::string("Sollte die Datei halvane.rtf im Programmverzeichnis nicht zur \n") +
           "Verfügung stehen, ist die Hilfe nicht verfügbar.\n" + "\n" +
           "Laden Sie die vollständigen Dateien von " + kDownloadAddress + ".";
}

bool IsRichText(const std::string& content) {
    // Leading blanks and a byte-order mark are tolerated, as rich-text views do.
    std::size_t start = content.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    start = content.find_first_not_of(" \t\r\n", start);
    return start != std::string::npos && content.compare(start, 5, "{\\rtf") == 0;
}

// The format is set before the text, so an observer of the text sees both.
// The text is announced even when it is the same as before: a view may show
// what the user typed into it, and a loaded file replaces that.
void HelpForm::FormShow() {
    const std::string path = files_.ExecutableDirectory() + kHelpFileName;
    const std::optional<std::string> content = files_.ReadFile(path);
    if (!content) {
        return;
    }
    format_ = IsRichText(*content) ? TextFormat::RichText : TextFormat::Plain;
    if (View().Text() == *content) {
        View().Announce(Property::Text);
    } else {
        View().SetText(*content);
    }
}

}  // namespace pultara
