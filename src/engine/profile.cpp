#include "engine/profile.h"

namespace pultara {

namespace {

const ModeConfig& EmptyMode() {
    static const ModeConfig empty;
    return empty;
}

const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}

bool ValidMode(int mode) {
    return mode >= 1 && mode <= kModeCount;
}
bool ValidButton(int button) {
    return button >= 1 && button <= kButtonCount;
}

}  // namespace

Profile::Profile() {
    for (int button = 1; button <= kButtonCount; ++button) {
        buttonNames_[button - 1] = DefaultButtonName(button);
    }
}

std::string Profile::DefaultButtonName(int button) {
    return "Button " + std::to_string(button);
}

const ModeConfig& Profile::Mode(int mode) const {
    return ValidMode(mode) ? modes_[mode - 1] : EmptyMode();
}

ModeConfig* Profile::MutableMode(int mode) {
    return ValidMode(mode) ? &modes_[mode - 1] : nullptr;
}

const std::string& Profile::ButtonCommand(int mode, int button) const {
    if (!ValidMode(mode) || !ValidButton(button)) {
        return EmptyText();
    }
    return modes_[mode - 1].buttonCommands[button - 1];
}

template <typename T>
void Profile::Assign(T& slot, const T& value, FieldChange change) {
    if (slot == value) {
        return;
    }
    slot = value;
    Notify(change);
}

void Profile::Notify(FieldChange change) {
    if (observer_ != nullptr) {
        observer_->ProfileChanged(change);
    }
}

void Profile::SetTitleEnabled(int mode, bool enabled) {
    if (ModeConfig* m = MutableMode(mode)) {
        Assign(m->titleEnabled, enabled, {Field::TitleEnabled, mode});
    }
}

void Profile::SetTitle(int mode, const std::string& text) {
    if (ModeConfig* m = MutableMode(mode)) {
        Assign(m->title, text, {Field::Title, mode});
    }
}

void Profile::SetCommand(int mode, const std::string& text) {
    if (ModeConfig* m = MutableMode(mode)) {
        Assign(m->command, text, {Field::Command, mode});
    }
}

void Profile::SetParameters(int mode, const std::string& text) {
    if (ModeConfig* m = MutableMode(mode)) {
        Assign(m->parameters, text, {Field::Parameters, mode});
    }
}

void Profile::SetDescription(int mode, const std::string& text) {
    if (ModeConfig* m = MutableMode(mode)) {
        Assign(m->description, text, {Field::Description, mode});
    }
}

void Profile::SetEnsureFocus(int mode, bool on) {
    if (ModeConfig* m = MutableMode(mode)) {
        Assign(m->ensureFocus, on, {Field::EnsureFocus, mode});
    }
}

void Profile::SetSwitchButton(int mode, int position) {
    ModeConfig* m = MutableMode(mode);
    if (m != nullptr && m->switchButton.Set(position)) {
        Notify({Field::SwitchButton, mode});
    }
}

void Profile::SetButtonCommand(int mode, int button, const std::string& text) {
    ModeConfig* m = MutableMode(mode);
    if (m != nullptr && ValidButton(button)) {
        Assign(m->buttonCommands[button - 1], text, {Field::ButtonCommand, mode, button});
    }
}

void Profile::SetAxisListPosition(Axis axis, int position) {
    if (axisActions_[Index(axis)].Set(position)) {
        Notify({Field::AxisAction, 0, Index(axis)});
    }
}

void Profile::SetMouseButton(GlobalMouseButton which, int position) {
    if (mouseButtons_[Index(which)].Set(position)) {
        Notify({Field::MouseButton, 0, Index(which)});
    }
}

void Profile::SetForceForeground(bool on) {
    Assign(forceForeground_, on, {Field::ForceForeground});
}

void Profile::SetRestoreFocus(bool on) {
    Assign(restoreFocus_, on, {Field::RestoreFocus});
}

void Profile::SetMaxMouseSpeed(std::int32_t speed) {
    Assign(maxMouseSpeed_, speed, {Field::MaxMouseSpeed});
}

void Profile::SetUpdateInterval(std::uint32_t milliseconds) {
    Assign(updateInterval_, milliseconds, {Field::UpdateInterval});
}

const std::string& Profile::ButtonName(int button) const {
    return ValidButton(button) ? buttonNames_[button - 1] : EmptyText();
}

void Profile::SetButtonName(int button, const std::string& name) {
    if (ValidButton(button)) {
        Assign(buttonNames_[button - 1], name, {Field::ButtonName, 0, button});
    }
}

}  // namespace pultara
