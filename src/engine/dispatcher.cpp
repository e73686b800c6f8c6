#include "engine/dispatcher.h"

#include "engine/key_command.h"

namespace pultara {

Dispatcher::Dispatcher(const Profile& profile, EngineState& state, MainWindowPort& window,
                       Mouse& mouse, CommandOperations& commands)
    : profile_(profile), state_(state), window_(window), mouse_(mouse), commands_(commands) {}

bool Dispatcher::IsRepeatingButton(int button) const {
    const std::string& command = profile_.ButtonCommand(state_.activeMode, button);
    return IsRepeatingCommand(command) && !window_.IsMainWindowVisible();
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
        SendMouseUp(button, kMouseLeftUp);
    } else if (button == profile_.MouseButton(GlobalMouseButton::Middle)) {
        SendMouseUp(button, kMouseMiddleUp);
    } else if (button == profile_.MouseButton(GlobalMouseButton::Right)) {
        SendMouseUp(button, kMouseRightUp);
    }
}

void Dispatcher::SendMouseUp(int button, std::uint32_t upFlag) {
    mouse_.SendButtonEvent(upFlag);
    std::uint32_t& owed = state_.mouseUpOwed[button - 1];
    if (owed == upFlag) {
        owed = 0;
    }
}

void Dispatcher::PressMouseButton(int button, std::uint32_t downFlag, std::uint32_t upFlag) {
    mouse_.SendButtonEvent(downFlag);
    state_.mouseUpOwed[button - 1] = upFlag;
}

void Dispatcher::LiftOwedMouseButton(int button) {
    if (button < 1 || button > kButtonCount || state_.mouseUpOwed[button - 1] == 0) {
        return;
    }
    SendMouseUp(button, state_.mouseUpOwed[button - 1]);
}

void Dispatcher::LiftAllMouseButtons() {
    for (int button = 1; button <= kButtonCount; ++button) {
        LiftOwedMouseButton(button);
    }
}

// Global mouse buttons win over mode switches, which win over the button's
// own command.
void Dispatcher::Press(int button) {
    if (button == profile_.MouseButton(GlobalMouseButton::Left)) {
        PressMouseButton(button, kMouseLeftDown, kMouseLeftUp);
        return;
    }
    if (button == profile_.MouseButton(GlobalMouseButton::Middle)) {
        PressMouseButton(button, kMouseMiddleDown, kMouseMiddleUp);
        return;
    }
    if (button == profile_.MouseButton(GlobalMouseButton::Right)) {
        PressMouseButton(button, kMouseRightDown, kMouseRightUp);
        return;
    }
    for (int mode = 1; mode <= kModeCount; ++mode) {
        if (button == profile_.SwitchButton(mode)) {
            commands_.ActivateModeTarget(mode);
            return;
        }
    }
    commands_.ExecuteButtonCommand(button);
}

}  // namespace pultara
