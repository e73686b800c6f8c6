#include "ui/rename_form.h"

namespace pultara {

RenameForm::RenameForm(Profile& profile)
    : Form("FormUmbenennen", "Buttons umbenennen"), profile_(profile) {
    layout = FormLayout::FieldRows;
    for (int button = 1; button <= kButtonCount; ++button) {
        const std::string n = std::to_string(button);
        AddLabel("Label" + n, Profile::DefaultButtonName(button), {Name(), button - 1, 0});
        Control& edit = Add("Edit" + n, ControlKind::Edit, {Name(), button - 1, 1});
        edit.getText = [this, button] { return profile_.ButtonName(button); };
        edit.setText = [this, button](const std::string& text) {
            profile_.SetButtonName(button, text);
        };
    }
    Control& ok = Add("Button1", ControlKind::Button, {Name(), kButtonCount, 0});
    ok.SetCaption("OK, speichern");
    ok.look.defaultButton = true;
    Add("Button3", ControlKind::Button, {Name(), kButtonCount, 1}).SetCaption("Reset");
}

Control& RenameForm::NameEdit(int button) const {
    return Get("Edit" + std::to_string(button));
}

void RenameForm::ProfileChanged(const FieldChange& change) {
    if (change.field == Field::ButtonName) {
        NameEdit(change.button).Changed(Property::Text);
    }
}

}  // namespace pultara
