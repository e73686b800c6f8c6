#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct xkb_context;
struct xkb_keymap;

namespace pultara::linux_wayland {

// The key and level that type a character (X keycode: evdev code + 8).
struct KeyPosition {
    std::uint8_t keycode = 0;
    bool shift = false;
    bool altGr = false;  // the third level (with Shift: the fourth)
};

// The keymap the program hands to the compositor's virtual keyboard: the
// session's layout, plus keys the layout leaves empty, each given one
// character the layout cannot type. So every character reaches the window,
// whatever the user's layout: the layout's own keys where it has them (so
// that shortcuts and the layout's characters work as on a real keyboard), a
// spare key for anything else.
//
// Only the first layout group is used: the program uploads the map and
// chooses the group itself.
class TypingKeymap {
public:
    // From keymap text in the XKB v1 format (the compositor's keymap), or,
    // with an empty text, from the XKB_DEFAULT_* names of the environment
    // (the US layout without them). Null when the text does not compile.
    static std::optional<TypingKeymap> Compile(const std::string& text);
    ~TypingKeymap();
    TypingKeymap(TypingKeymap&& other) noexcept;
    TypingKeymap& operator=(TypingKeymap&& other) noexcept;
    TypingKeymap(const TypingKeymap&) = delete;
    TypingKeymap& operator=(const TypingKeymap&) = delete;

    // The lowest level, then the lowest key, that types `character` in the
    // layout; keys that need modifiers other than Shift and AltGr are not used.
    std::optional<KeyPosition> Find(char32_t character) const;
    bool TypesAltGrCharacter(std::uint8_t keycode, bool shifted) const;
    std::uint8_t AltGrKeycode() const { return altGrKeycode_; }

    // The spare key that types `character` alone, giving it the spare key
    // used longest ago when none has it yet (which changes the text); 0 when
    // the layout leaves no key empty or the character has no key symbol.
    std::uint8_t SpareKeyFor(char32_t character);
    // The keycode of the i-th spare key, 0 past the last.
    std::uint8_t SpareKeycode(std::size_t i) const {
        return i < spares_.size() ? spares_[i].keycode : 0;
    }
    // Keeps at most `count` spare keys.
    void LimitSpareKeys(std::size_t count);
    // Counts the changes of the spare keys' characters.
    std::uint64_t Generation() const { return generation_; }

    // The whole keymap with the spare keys' characters, as the virtual
    // keyboard uploads it (without the terminating zero).
    std::string Text() const;
    // The compiled layout (without the spare keys' characters).
    xkb_keymap* Layout() const { return layout_; }

private:
    struct Spare {
        std::uint8_t keycode = 0;
        std::string name;        // the key's name in the keymap, such as "I248"
        char32_t character = 0;  // 0: free
        std::uint64_t lastUse = 0;
    };

    TypingKeymap(xkb_context* context, xkb_keymap* layout);
    void Release();

    xkb_context* context_ = nullptr;
    xkb_keymap* layout_ = nullptr;
    std::string layoutText_;
    std::vector<Spare> spares_;
    std::uint64_t uses_ = 0;
    std::uint64_t generation_ = 0;
    unsigned shiftMask_ = 0;
    unsigned levelThreeMask_ = 0;
    std::uint8_t altGrKeycode_ = 0;
};

}  // namespace pultara::linux_wayland
