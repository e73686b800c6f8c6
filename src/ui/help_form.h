#pragma once
#include <string>

#include "ports/files.h"
#include "ui/form.h"

namespace pultara {

// How the help view shows its text.
enum class TextFormat { Plain, RichText };

// TFormHelp, "Hilfe": the manual from "halvane.rtf" beside the program,
// reloaded on every showing.
class HelpForm : public Form {
public:
    explicit HelpForm(Files& files);

    // FormShow: loads the help file; any failure keeps the text shown.
    void FormShow();

    Control& View() const { return Get("RichEdit1"); }
    // Whether the view's text is rich text (RTF) or plain text.
    TextFormat Format() const { return format_; }
    bool ShowsRichText(const Control& control) const override {
        return &control == &View() && format_ == TextFormat::RichText;
    }

    static std::string FallbackText();

private:
    Files& files_;
    TextFormat format_ = TextFormat::Plain;
};

inline constexpr const char* kHelpFileName = "halvane.rtf";
inline constexpr const char* kDownloadAddress = "http://www.orvendt.example/pultara/";

// Whether `content` is rich text: it opens with the RTF group "{\rtf".
bool IsRichText(const std::string& content);

}  // namespace pultara
