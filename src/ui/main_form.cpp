#include "ui/main_form.h"

#include "ui/control_names.h"

namespace pultara {

namespace {

// Binds the property of `control` that shows the stored setting `id`.
void Bind(Control& control, SettingView view, Profile& p, FieldChange id) {
    switch (view) {
        case SettingView::Text:
            control.getText = [&p, id] { return p.Text(id); };
            control.setText = [&p, id](const std::string& text) { p.SetText(id, text); };
            break;
        case SettingView::Checked:
            control.getChecked = [&p, id] { return p.Number(id) != 0; };
            control.setChecked = [&p, id](bool on) { p.SetNumber(id, on); };
            break;
        case SettingView::Enabled:
            control.getEnabled = [&p, id] { return p.Number(id) != 0; };
            control.setEnabled = [&p, id](bool on) { p.SetNumber(id, on); };
            break;
        case SettingView::ItemIndex:
            control.getItemIndex = [&p, id] { return static_cast<int>(p.Number(id)); };
            control.setItemIndex = [&p, id](int position) { p.SetNumber(id, position); };
            break;
        case SettingView::Interval:
            control.getInterval = [&p, id] { return static_cast<std::uint32_t>(p.Number(id)); };
            break;
        case SettingView::None: break;
    }
}

Property PropertyOf(SettingView view) {
    switch (view) {
        case SettingView::Checked: return Property::Checked;
        case SettingView::Enabled: return Property::Enabled;
        case SettingView::ItemIndex: return Property::ItemIndex;
        case SettingView::Interval: return Property::Interval;
        default: return Property::Text;
    }
}

}  // namespace

void MainForm::BindSettings() {
    for (std::size_t i = 0; i < kSettingRows.size(); ++i) {
        const SettingRow& row = kSettingRows[i];
        if (row.declared->view != SettingView::None) {
            Control& control = Get(ControlName(row));
            Bind(control, row.declared->view, profile_, row.id);
            shownBy_[i] = &control;
        }
    }
}

void MainForm::BindButtonStates() {
    for (int button = 1; button <= kButtonCount; ++button) {
        ButtonBox(button).getChecked = [this, button] { return state_.buttonChecked[button - 1]; };
    }
}

void MainForm::BindButtonBoxes(Dispatcher& dispatcher) {
    for (int button = 1; button <= kButtonCount; ++button) {
        ButtonBox(button).setChecked = [&dispatcher, button](bool checked) {
            dispatcher.SetButtonChecked(button, checked);
        };
    }
}

void MainForm::ProfileChanged(const FieldChange& change) {
    const int index = SettingIndex(change);
    if (index < 0) {
        return;  // not a stored setting: no control of this window shows it
    }
    const auto at = static_cast<std::size_t>(index);
    if (Control* control = shownBy_[at]) {
        control->Changed(PropertyOf(kSettingRows[at].declared->view));
    }
}

bool MainForm::IsMainWindowVisible() const {
    return Visible() && !(minimisedCountsAsHidden_ && Minimised());
}

void MainForm::ButtonStartClick() {
    Get("ButtonStart").Click();
}

void MainForm::ShowAxisPositions(const JoystickSample& sample) {
    Get("ProgressBar1").SetPosition(sample.xPos);
    Get("ProgressBar2").SetPosition(sample.yPos);
    Get("ProgressBar3").SetPosition(sample.zPos);
}

// The engine has changed the state already and dispatches the click itself.
void MainForm::ShowButtonChecked(int button, bool /*checked*/) {
    ButtonBox(button).Announce(Property::Checked);
}

Control& MainForm::ButtonBox(int button) const {
    return Get(ButtonBoxName(button));
}
Control& MainForm::TitleBox(int mode) const {
    return Get(TitleBoxName(mode));
}
Control& MainForm::Page(int mode) const {
    return Get(PageName(mode));
}

}  // namespace pultara
