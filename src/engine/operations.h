#pragma once
#include <cstdint>
#include <string>

#include "ports/joystick.h"

namespace pultara {

// What a button or an arrow-key axis asks of the active mode.
class CommandOperations {
public:
    virtual ~CommandOperations() = default;
    // Runs button `button`'s KeyCommand in the ActiveMode.
    virtual void ExecuteButtonCommand(int button) = 0;
    // Types an arrow-key sequence into the ActiveMode's window.
    virtual void SendAxisKeys(const std::string& keys) = 0;
    // Makes `mode` the ActiveMode and brings its window forward or opens its
    // program.
    virtual void ActivateModeTarget(int mode) = 0;
};

// The mixer and pointer outputs of the axes.
class AxisOperations {
public:
    virtual ~AxisOperations() = default;
    // Sets mixer control `control` to `value`, or to 65535 minus it.
    virtual void ApplyMixerAxis(std::uint32_t value, int control, bool inverted) = 0;
    virtual void MovePointerX(std::uint32_t value) = 0;
    virtual void MovePointerXInverted(std::uint32_t value) = 0;
    virtual void MovePointerY(std::uint32_t value) = 0;
    virtual void MovePointerYInverted(std::uint32_t value) = 0;
    // Whether a pointer move with `value` (left and right when `horizontal`)
    // would move the pointer or change anything the motion keeps.
    virtual bool PointerWouldAct(std::uint32_t value, bool horizontal) const = 0;
};

// The parts of the main window that the tick and the dispatcher use.
class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;
    // Whether the window counts as shown; buttons are dispatched only while
    // it does not.
    virtual bool IsMainWindowVisible() const = 0;
    // "Start": minimise and hide the main window.
    virtual void ButtonStartClick() = 0;
    // The three progress bars.
    virtual void ShowAxisPositions(const JoystickSample& sample) = 0;
    // Button box `button` (1..12) now shows `checked`.
    virtual void ShowButtonChecked(int button, bool checked) = 0;
};

}  // namespace pultara
