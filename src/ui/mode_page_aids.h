#pragma once
#include <array>
#include <string>
#include <vector>

#include "ports/desktop.h"
#include "ports/file_dialog.h"
#include "ui/main_form.h"

namespace pultara {

// Longest window title the picker lists, in characters.
inline constexpr std::size_t kMaxListedTitle = 128;

// Where the desktop names no windows, the picker's only entry (short: the
// list is as wide as the box; picking it leaves the title as it was) and
// the title boxes' tooltip, which says why and what follows.
inline constexpr const char* kNoWindowListEntry = "(keine Fensterliste)";
inline constexpr const char* kNoWindowListHint =
    "Dieser Desktop nennt Programmen seine Fenster nicht: kein Fenster wird nach seinem "
    "Titel gefunden, Tastendrücke gehen an das aktive Fenster.";

// The editing aids of the mode pages: the window-title picker, the title-use
// toggle on the "Fenstertitel" labels, "..." to browse for a command, and the
// description naming its page. Installs its handlers on the main form.
class ModePageAids {
public:
    ModePageAids(MainForm& form, Desktop& desktop, FileDialog& dialog);

    // ComboBoxEditM1titelClick: the titles of the visible windows into the
    // lists of all four title boxes; their edit texts stay. Where the
    // desktop cannot list its windows the lists hold kNoWindowListEntry.
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
    // The title box's text changed: a picked kNoWindowListEntry is undone.
    void TitleChanged(int mode);

    MainForm& form_;
    Desktop& desktop_;
    FileDialog& dialog_;
    std::vector<std::string> windowTitles_;
    // Each title box's last text that was not kNoWindowListEntry.
    std::array<std::string, kModeCount> titleBeforePick_;
};

// The first `limit` characters (code points) of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t limit);

}  // namespace pultara
