#pragma once
#include "platform/linux/key_injector.h"
#include "platform/linux/x_connection.h"
#include "platform/linux/xkb_layout.h"
#include "ports/keyboard.h"

namespace pultara::linux_x11 {

// Keys through the XTest extension: they reach the X client that has the
// keyboard focus, as keys of a real keyboard would. Characters are looked up
// in the active XKB layout and reported as the KeyCode a Windows layout
// would give (the virtual key of the same physical key; Shift 1, AltGr as
// Ctrl+Alt 6). Without a display or XTest, events are dropped and the US
// layout answers the lookups.
class XTestKeyboard : public Keyboard, private KeycodeSink {
public:
    explicit XTestKeyboard(XConnection& connection);
    ~XTestKeyboard() override;

    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint16_t KeyCodeForCharacter(char32_t character) override;
    std::uint32_t ScanCodeForVirtualKey(std::uint8_t virtualKey) override;
    void PumpKeyboardMessages() override;
    // Num Lock changes state with each press, as on a real keyboard.
    void ToggleNumLock();
    // Lets go of every key still held by the program.
    void ReleaseAllKeys();

private:
    void SendKeycode(std::uint8_t keycode, bool down) override;
    bool TypesAltGrCharacter(std::uint8_t keycode, bool shifted) override;
    std::uint8_t AltGrKeycode() override;

    _XDisplay* display_ = nullptr;  // null: no X server or no XTest
    XkbLayout layout_;
    KeyInjector injector_;
};

}  // namespace pultara::linux_x11
