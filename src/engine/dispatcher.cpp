#include "engine/dispatcher.h"

namespace pultara {

Dispatcher::Dispatcher(const Profile& profile, EngineState& state, MainWindowPort& window,
                       Mouse& mouse, CommandOperations& commands)
    : profile_(profile), state_(state), window_(window), mouse_(mouse), commands_(commands) {}

bool Dispatcher::IsRepeatingButton(int button) const {
    const std::string& command = profile_.ButtonCommand(state_.activeMode, button);
    return command.size() >= 2 && command[0] == '#' && !window_.IsMainWindowVisible();
}

bool Dispatcher::SetButtonChecked(int button, bool checked) {
    if (button < 1 || button > kButtonCount || state_.buttonChecked[button - 1] == checked) {
        return false;
    }
    state_.buttonChecked[button - 1] = checked;
    window_.ShowButtonChecked(button, checked);
    CheckBoxClick(button);
    return true;
}

void Dispatcher::DispatchButton(int button) {
    if (window_.IsMainWindowVisible() || button < 1 || button > kButtonCount) {
        return;
    }
    if (!IsRepeatingButton(button) && !state_.buttonChecked[button - 1]) {
        Release(button);
    } else {
        Press(button);
    }
}

// A release matters only to a global mouse button; the first match wins.
void Dispatcher::Release(int button) {
    if (button == profile_.MouseButton(GlobalMouseButton::Left)) {
        mouse_.SendButtonEvent(kMouseLeftUp);
    } else if (button == profile_.MouseButton(GlobalMouseButton::Middle)) {
        mouse_.SendButtonEvent(kMouseMiddleUp);
    } else if (button == profile_.MouseButton(GlobalMouseButton::Right)) {
        mouse_.SendButtonEvent(kMouseRightUp);
    }
}

// Global mouse buttons win over mode switches, which win over the button's
// own command.
void Dispatcher::Press(int button) {
    if (button == profile_.MouseButton(GlobalMouseButton::Left)) {
        mouse_.SendButtonEvent(kMouseLeftDown);
        return;
    }
    if (button == profile_.MouseButton(GlobalMouseButton::Middle)) {
        mouse_.SendButtonEvent(kMouseMiddleDown);
        return;
    }
    if (button == profile_.MouseButton(GlobalMouseButton::Right)) {
        mouse_.SendButtonEvent(kMouseRightDown);
        return;
    }
    for (int mode = 1; mode <= kModeCount; ++mode) {
        if (button == profile_.Mode(mode).switchButton.Get()) {
            commands_.ActivateModeTarget(mode);
            return;
        }
    }
    commands_.ExecuteButtonCommand(button);
}

}  // namespace pultara
