#pragma once
#include <deque>
#include <functional>
#include <map>

#include "platform/fake/call_log.h"
#include "ports/joystick.h"
#include "ports/keyboard.h"
#include "ports/mouse.h"

namespace pultara::fake {

// Joystick 0 fed sample by sample. Each read takes the next queued sample;
// with none queued the last one stays. `connected` false makes reads fail and
// leave the caller's sample alone.
class FakeJoystick : public Joystick {
public:
    explicit FakeJoystick(CallLog& log) : log_(log) {}
    void Queue(const JoystickSample& sample) { queued_.push_back(sample); }
    bool Read(JoystickSample& sample) override;

    bool connected = true;
    bool logReads = false;  // reads are frequent; log them only when asked

private:
    CallLog& log_;
    std::deque<JoystickSample> queued_;
    JoystickSample current_;
};

// Logs key events as `keybd_event(VK, SCAN, FLAGS)`; answers lookups from the
// US English layout unless a character is overridden in `layout`.
class FakeKeyboard : public Keyboard {
public:
    explicit FakeKeyboard(CallLog& log) : log_(log) {}
    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint16_t KeyCodeForCharacter(char32_t character) override;
    std::uint32_t ScanCodeForVirtualKey(std::uint8_t virtualKey) override;
    void PumpKeyboardMessages() override { ++pumps; }

    std::map<char32_t, std::uint16_t> layout;  // overrides of the US layout
    int pumps = 0;
    // Virtual keys currently down, as the events so far leave them.
    std::map<std::uint8_t, bool> down;
    // Called after each event; lets a test run something in the middle.
    std::function<void()> afterEvent;

private:
    CallLog& log_;
};

// Logs `mouse_event(FLAGS)`, `GetCursorPos` and `SetCursorPos(X, Y)`; the
// pointer is clamped to `screenWidth` x `screenHeight`.
class FakeMouse : public Mouse {
public:
    explicit FakeMouse(CallLog& log) : log_(log) {}
    void SendButtonEvent(std::uint32_t flags) override;
    bool GetCursorPos(PointerPosition& position) override;
    void SetCursorPos(PointerPosition position) override;

    PointerPosition pointer{640, 480};
    std::int32_t screenWidth = 1280;
    std::int32_t screenHeight = 960;
    // Mouse buttons down, as left/right/middle.
    bool leftDown = false;
    bool rightDown = false;
    bool middleDown = false;

private:
    CallLog& log_;
};

}  // namespace pultara::fake
