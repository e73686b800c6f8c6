#pragma once
#include <cstdint>
#include <set>

namespace pultara::linux_x11 {

// Where the injector's physical key events go, and what it needs to know
// about the active layout. Keycodes are the X server's.
class KeycodeSink {
public:
    virtual ~KeycodeSink() = default;
    virtual void SendKeycode(std::uint8_t keycode, bool down) = 0;
    // Whether the key types a character on its AltGr level (the fourth
    // level when `shifted`).
    virtual bool TypesAltGrCharacter(std::uint8_t keycode, bool shifted) = 0;
    // The key that selects the AltGr level, or 0 when the layout has none.
    virtual std::uint8_t AltGrKeycode() = 0;
};

// Turns Windows key events (virtual key, scan code, flags) into X key
// presses.
//
// Windows lets Ctrl+Alt stand for AltGr: a layout reports "@" on a German
// keyboard as Ctrl+Alt+Q, and typing Ctrl, Alt and Q gives "@". X does not
// know that rule, so the Ctrl and Alt of such a character come marked as
// AltGr parts, and the left Ctrl and Alt are pressed late: only when the
// next other key goes down. If both are held as AltGr parts then and that
// key has a character on its AltGr level, the key is typed with AltGr
// instead of Ctrl and Alt; otherwise Ctrl and Alt go down first as asked.
// Unmarked Ctrl and Alt (the "^" and "%" prefixes) always stay Ctrl and Alt,
// since on X almost every letter has an AltGr character. A Ctrl or Alt that
// is released without any key in between is pressed and released then, so
// that a lone modifier still reaches the program.
class KeyInjector {
public:
    explicit KeyInjector(KeycodeSink& sink) : sink_(sink) {}
    ~KeyInjector() { ReleaseAll(); }
    KeyInjector(const KeyInjector&) = delete;
    KeyInjector& operator=(const KeyInjector&) = delete;

    void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool extended, bool up,
                  bool altGrPart = false);
    // A key given by its X keycode rather than a Windows key, pressed or
    // released as the physical key of a key event is.
    void KeycodeEvent(std::uint8_t keycode, bool up, bool altGrPart = false);
    // Lets go of every key this injector holds down.
    void ReleaseAll();
    // X keycodes currently held down by this injector.
    const std::set<std::uint8_t>& HeldKeys() const { return held_; }

private:
    struct LateModifier {
        std::uint8_t keycode = 0;
        bool logicalDown = false;  // as the Windows events left it
        bool used = false;         // took part in a key press since it went down
        bool altGrPart = false;    // went down for a character typed with AltGr
    };

    LateModifier* LateModifierFor(std::uint8_t keycode);
    void ModifierDown(LateModifier& modifier, bool altGrPart);
    void ModifierUp(LateModifier& modifier);
    void OtherKeyDown(std::uint8_t keycode);
    void Press(std::uint8_t keycode);
    void Release(std::uint8_t keycode);
    bool IsHeld(std::uint8_t keycode) const { return held_.count(keycode) != 0; }

    static constexpr std::uint8_t kLeftCtrlKeycode = 37;  // X keycodes of a PC keyboard
    static constexpr std::uint8_t kLeftAltKeycode = 64;

    KeycodeSink& sink_;
    LateModifier ctrl_{kLeftCtrlKeycode};
    LateModifier alt_{kLeftAltKeycode};
    std::uint8_t altGrHeld_ = 0;  // the AltGr key pressed in place of Ctrl+Alt
    std::set<std::uint8_t> held_;
};

}  // namespace pultara::linux_x11
