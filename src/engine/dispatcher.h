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

    // Lifts the mouse button that joystick button `button` pressed, if it is
    // still down. The tick calls it for every joystick button that is not
    // held, so that a mouse button never stays down after its joystick
    // button was let go, even where the release itself is not dispatched
    // (a repeating command, the window shown meanwhile).
    void LiftOwedMouseButton(int button);
    // Lifts every mouse button still down (when the program ends).
    void LiftAllMouseButtons();

private:
    void Release(int button);
    void Press(int button);
    void PressMouseButton(int button, std::uint32_t downFlag, std::uint32_t upFlag);
    void SendMouseUp(int button, std::uint32_t upFlag);

    const Profile& profile_;
    EngineState& state_;
    MainWindowPort& window_;
    Mouse& mouse_;
    CommandOperations& commands_;
};

}  // namespace pultara
