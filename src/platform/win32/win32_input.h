#pragma once
#include "ports/joystick.h"
#include "ports/keyboard.h"
#include "ports/mouse.h"

namespace pultara::win32 {

// Joystick 0 of the multimedia joystick service, read with joyGetPosEx so
// that all twelve buttons arrive (the older joyGetPos reports only four).
class Win32Joystick : public Joystick {
public:
    // On failure (no joystick, unplugged) the sample keeps what it held.
    bool Read(JoystickSample& sample) override;
};

// Synthetic key events into the system input stream. Characters are looked
// up in the active layout through the ANSI code page when they belong to it
// (the classic lookup), and as UTF-16 otherwise.
class Win32Keyboard : public Keyboard {
public:
    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint16_t KeyCodeForCharacter(char32_t character) override;
    std::uint32_t ScanCodeForVirtualKey(std::uint8_t virtualKey) override;
    // Drains this thread's keyboard messages only (never timers or others).
    void PumpKeyboardMessages() override;
};

class Win32Mouse : public Mouse {
public:
    void SendButtonEvent(std::uint32_t flags) override;
    bool GetCursorPos(PointerPosition& position) override;
    void SetCursorPos(PointerPosition position) override;
};

}  // namespace pultara::win32
