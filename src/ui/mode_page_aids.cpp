#include "ui/mode_page_aids.h"

#include "ui/control_names.h"

namespace pultara {

ModePageAids::ModePageAids(MainForm& form, Desktop& desktop, FileDialog& dialog)
    : form_(form), desktop_(desktop), dialog_(dialog) {
    for (int mode = 1; mode <= kModeCount; ++mode) {
        form_.TitleBox(mode).onEnter = [this] { ComboBoxEditM1titelClick(); };
        form_.TitleBox(mode).onChange = [this, mode] { TitleChanged(mode); };
        if (!desktop_.CanListWindows()) {
            form_.TitleBox(mode).look.hint = kNoWindowListHint;
        }
        form_.Get(TitleLabelName(mode)).onClick = [this, mode] { ToggleTitleUse(mode); };
        form_.Get(BrowseButtonName(mode)).onClick = [this, mode] { BrowseForCommand(mode); };
        form_.Get(DescriptionEditName(mode)).onChange = [this, mode] { DescriptionChanged(mode); };
    }
}

void ModePageAids::ComboBoxEditM1titelClick() {
    windowTitles_.clear();
    if (!desktop_.CanListWindows()) {
        for (int mode = 1; mode <= kModeCount; ++mode) {
            Control& box = form_.TitleBox(mode);
            titleBeforePick_[mode - 1] = box.Text();
            box.SetItems({kNoWindowListEntry});
        }
        return;
    }
    for (WindowId window : desktop_.EnumerateWindows()) {
        if (!CollectWindowTitle(window)) {
            break;
        }
    }
    for (int mode = 1; mode <= kModeCount; ++mode) {
        form_.TitleBox(mode).SetItems(windowTitles_);
    }
}

bool ModePageAids::CollectWindowTitle(WindowId window) {
    const std::string title = FirstCharacters(desktop_.WindowTitle(window), kMaxListedTitle);
    if (!title.empty() && desktop_.IsWindowVisible(window)) {
        windowTitles_.push_back(title);
    }
    return true;
}

// Picking the entry that says why the list is empty puts the title back:
// the selection goes (so picking it again is a change too) and the text
// returns to what it was, so the setting and the box's face agree.
void ModePageAids::TitleChanged(int mode) {
    Control& box = form_.TitleBox(mode);
    std::string& before = titleBeforePick_[mode - 1];
    if (box.Text() != kNoWindowListEntry) {
        before = box.Text();
        return;
    }
    if (box.Items().size() == 1 && box.Items().front() == kNoWindowListEntry) {
        const std::string title = before;
        box.SetItemIndex(-1);
        box.SetText(title);
    }
}

void ModePageAids::ToggleTitleUse(int mode) {
    Control& box = form_.TitleBox(mode);
    box.SetEnabled(!box.Enabled());
    ColourTitleBox(mode);
}

void ModePageAids::ColourTitleBoxes() {
    for (int mode = 1; mode <= kModeCount; ++mode) {
        ColourTitleBox(mode);
    }
}

void ModePageAids::ColourTitleBox(int mode) {
    Control& box = form_.TitleBox(mode);
    box.SetColour(box.Enabled() ? ColourRole::Window : ColourRole::ButtonFace);
}

// One dialog serves all four modes: it opens on the file last chosen in it.
void ModePageAids::BrowseForCommand(int mode) {
    Control& dialog = form_.Get("OpenDialog");
    const auto chosen = dialog_.OpenFile(dialog.Text(), dialog.Items().at(0), dialog.Items().at(1));
    if (chosen) {
        dialog.SetText(*chosen);
        form_.Get(CommandEditName(mode)).SetText(*chosen);
    }
}

void ModePageAids::DescriptionChanged(int mode) {
    form_.Page(mode).SetCaption(form_.Get(DescriptionEditName(mode)).Text());
}

std::string FirstCharacters(const std::string& text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && characters++ == limit) {
            return text.substr(0, i);
        }
    }
    return text;
}

}  // namespace pultara
