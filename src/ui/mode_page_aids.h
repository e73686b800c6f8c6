#pragma once
#include <string>
#include <vector>

#include "ports/desktop.h"
#include "ports/file_dialog.h"
#include "ui/main_form.h"

namespace pultara {

// Longest window title the picker lists, in characters.
inline constexpr std::size_t kMaxListedTitle = 128;

// The editing aids of the mode pages: the window-title picker, the title-use
// toggle on the "Fenstertitel" labels, "..." to browse for a command, and the
// description naming its page. Installs its handlers on the main form.
class ModePageAids {
public:
    ModePageAids(MainForm& form, Desktop& desktop, FileDialog& dialog);

    // ComboBoxEditM1titelClick: the titles of the visible windows into the
    // lists of all four title boxes; their edit texts stay.
    void ComboBoxEditM1titelClick();
    // Adds the window's title when it qualifies; always asks to continue.
    bool CollectWindowTitle(WindowId window);
    // Label9Click and its twins: flips the title-use flag of `mode`.
    void ToggleTitleUse(int mode);
    // Window colour while a title box is enabled, button face otherwise.
    void ColourTitleBoxes();
    // ButtonSearchClick and its twins.
    void BrowseForCommand(int mode);
    // EditM1descChange and its twins.
    void DescriptionChanged(int mode);

    // Emptied when the main window is created.
    void CreateWindowTitleList() { windowTitles_.clear(); }
    const std::vector<std::string>& WindowTitleList() const { return windowTitles_; }

private:
    void ColourTitleBox(int mode);

    MainForm& form_;
    Desktop& desktop_;
    FileDialog& dialog_;
    std::vector<std::string> windowTitles_;
};

// The first `limit` characters (code points) of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t limit);

}  // namespace pultara
