#include "ui/main_form.h"

#include "ui/control_names.h"

namespace pultara {

namespace {

constexpr const char* kMouseLists[] = {"ComboBoxMausL", "ComboBoxMausM", "ComboBoxMausR"};
constexpr const char* kAxisLists[] = {"ComboBox1", "ComboBox2", "ComboBox3"};

void BindText(Control& control, std::function<std::string()> get,
              std::function<void(const std::string&)> set) {
    control.getText = std::move(get);
    control.setText = std::move(set);
}

void BindChecked(Control& control, std::function<bool()> get, std::function<void(bool)> set) {
    control.getChecked = std::move(get);
    control.setChecked = std::move(set);
}

void BindItemIndex(Control& control, std::function<int()> get, std::function<void(int)> set) {
    control.getItemIndex = std::move(get);
    control.setItemIndex = std::move(set);
}

}  // namespace

void MainForm::BindGlobals() {
    Profile& p = profile_;
    for (int axis = 0; axis < 3; ++axis) {
        const Axis a = static_cast<Axis>(axis);
        BindItemIndex(
            Get(kAxisLists[axis]), [&p, a] { return p.AxisListPosition(a); },
            [&p, a](int position) { p.SetAxisListPosition(a, position); });
    }
    for (int which = 0; which < 3; ++which) {
        const auto b = static_cast<GlobalMouseButton>(which);
        BindItemIndex(
            Get(kMouseLists[which]), [&p, b] { return p.MouseButton(b); },
            [&p, b](int position) { p.SetMouseButton(b, position); });
    }
    BindChecked(
        Get("CheckBoxForceForeground"), [&p] { return p.ForceForeground(); },
        [&p](bool on) { p.SetForceForeground(on); });
    BindChecked(
        Get("CheckBoxGoBack"), [&p] { return p.RestoreFocus(); },
        [&p](bool on) { p.SetRestoreFocus(on); });
    for (int button = 1; button <= kButtonCount; ++button) {
        ButtonBox(button).getChecked = [this, button] { return state_.buttonChecked[button - 1]; };
    }
}

void MainForm::BindModePage(int mode) {
    Profile& p = profile_;
    BindItemIndex(
        Get(SwitchListName(mode)), [&p, mode] { return p.Mode(mode).switchButton.Get(); },
        [&p, mode](int position) { p.SetSwitchButton(mode, position); });
    BindText(
        Get(DescriptionEditName(mode)), [&p, mode] { return p.Mode(mode).description; },
        [&p, mode](const std::string& text) { p.SetDescription(mode, text); });
    Control& title = TitleBox(mode);
    BindText(
        title, [&p, mode] { return p.Mode(mode).title; },
        [&p, mode](const std::string& text) { p.SetTitle(mode, text); });
    title.getEnabled = [&p, mode] { return p.Mode(mode).titleEnabled; };
    title.setEnabled = [&p, mode](bool on) { p.SetTitleEnabled(mode, on); };
    BindText(
        Get(CommandEditName(mode)), [&p, mode] { return p.Mode(mode).command; },
        [&p, mode](const std::string& text) { p.SetCommand(mode, text); });
    BindText(
        Get(ParameterEditName(mode)), [&p, mode] { return p.Mode(mode).parameters; },
        [&p, mode](const std::string& text) { p.SetParameters(mode, text); });
    BindChecked(
        Get(EnsureFocusBoxName(mode)), [&p, mode] { return p.Mode(mode).ensureFocus; },
        [&p, mode](bool on) { p.SetEnsureFocus(mode, on); });
    for (int button = 1; button <= kButtonCount; ++button) {
        BindText(
            Get(ButtonCommandEditName(mode, button)),
            [&p, mode, button] { return p.ButtonCommand(mode, button); },
            [&p, mode, button](const std::string& text) {
                p.SetButtonCommand(mode, button, text);
            });
    }
}

void MainForm::BindButtonBoxes(Dispatcher& dispatcher) {
    for (int button = 1; button <= kButtonCount; ++button) {
        ButtonBox(button).setChecked = [&dispatcher, button](bool checked) {
            dispatcher.SetButtonChecked(button, checked);
        };
    }
}

Control* MainForm::ControlFor(const FieldChange& change) const {
    const int m = change.mode;
    switch (change.field) {
        case Field::TitleEnabled:
        case Field::Title: return Find(TitleBoxName(m));
        case Field::Command: return Find(CommandEditName(m));
        case Field::Parameters: return Find(ParameterEditName(m));
        case Field::Description: return Find(DescriptionEditName(m));
        case Field::EnsureFocus: return Find(EnsureFocusBoxName(m));
        case Field::SwitchButton: return Find(SwitchListName(m));
        case Field::ButtonCommand: return Find(ButtonCommandEditName(m, change.button));
        case Field::AxisAction: return Find(kAxisLists[change.button]);
        case Field::MouseButton: return Find(kMouseLists[change.button]);
        case Field::ForceForeground: return Find("CheckBoxForceForeground");
        case Field::RestoreFocus: return Find("CheckBoxGoBack");
        case Field::UpdateInterval: return pollTimer_;
        default: return nullptr;  // no control of the main window shows it
    }
}

namespace {

Property PropertyOf(Field field) {
    switch (field) {
        case Field::TitleEnabled: return Property::Enabled;
        case Field::EnsureFocus:
        case Field::ForceForeground:
        case Field::RestoreFocus: return Property::Checked;
        case Field::SwitchButton:
        case Field::AxisAction:
        case Field::MouseButton: return Property::ItemIndex;
        case Field::UpdateInterval: return Property::Interval;
        default: return Property::Text;
    }
}

}  // namespace

void MainForm::ProfileChanged(const FieldChange& change) {
    if (Control* control = ControlFor(change)) {
        control->Changed(PropertyOf(change.field));
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
