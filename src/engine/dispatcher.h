#pragma once
#include "engine/engine_state.h"
#include "engine/operations.h"
#include "engine/profile.h"
#include "ports/mouse.h"

namespace pultara {

// Decides what one press or release of a joystick button does: a global
// mouse button goes down or up, a mode's switch button activates that mode,
// any other button runs its KeyCommand in the ActiveMode. Acts only while the
// main window is hidden.
class Dispatcher {
public:
    Dispatcher(const Profile& profile, EngineState& state, MainWindowPort& window, Mouse& mouse,
               CommandOperations& commands);

    // True when the ActiveMode's command for `button` is a repeating one
    // ("#" and at least one more character) and the window is hidden.
    bool IsRepeatingButton(int button) const;

    // Sets button box `button`'s checked state; a change raises its click
    // event. Returns whether the state changed.
    bool SetButtonChecked(int button, bool checked);

    // Click event of button box `button` (1..12), raised by a change of its
    // state or called directly for a repeating button.
    void CheckBoxClick(int button) { DispatchButton(button); }

    void DispatchButton(int button);

private:
    void Release(int button);
    void Press(int button);

    const Profile& profile_;
    EngineState& state_;
    MainWindowPort& window_;
    Mouse& mouse_;
    CommandOperations& commands_;
};

}  // namespace pultara
