#include "ui/button_names.h"

#include "ui/control_names.h"

namespace pultara {

void ApplyButtonNames(const RenameForm& names, MainForm& main) {
    std::vector<std::string> name(kButtonCount + 1);
    for (int button = 1; button <= kButtonCount; ++button) {
        name[button] = names.NameEdit(button).Text();
    }
    for (int list = 0; list < kButtonListCount; ++list) {
        Control& entries = main.Get(ButtonListNames()[list]);
        for (int button = 1; button <= kButtonCount; ++button) {
            entries.SetItem(button, name[button]);
        }
    }
    for (int button = 1; button <= kButtonCount; ++button) {
        main.ButtonBox(button).SetCaption(name[button]);
    }
    for (int button = 1; button <= kButtonCount; ++button) {
        for (int mode = 1; mode <= kModeCount; ++mode) {
            main.Get(ButtonLabelName(mode, button)).SetCaption(name[button]);
        }
    }
}

}  // namespace pultara
