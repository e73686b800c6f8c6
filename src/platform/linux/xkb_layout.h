#pragma once
#include <cstdint>
#include <optional>

#include "platform/linux/x_connection.h"

struct _XkbDesc;

namespace pultara::linux_x11 {

// The key and level that type a character in the active XKB layout.
struct KeyPosition {
    std::uint8_t keycode = 0;
    bool shift = false;
    bool altGr = false;  // the third level (with Shift: the fourth)
};

// Character lookups in the keyboard layout the X server uses right now
// (the current group). The map is fetched once and again only after the
// server announces a new layout; the group follows the server's
// announcements too, so that a lookup does not wait for the server.
class XkbLayout {
public:
    // Without a connection (no X server or no XTest) nothing is found.
    explicit XkbLayout(XConnection* connection);
    ~XkbLayout();
    XkbLayout(const XkbLayout&) = delete;
    XkbLayout& operator=(const XkbLayout&) = delete;

    // The lowest level, then the lowest key, that types `character`; keys
    // that need modifiers other than Shift and AltGr are not used. Dead keys
    // count for their spacing character when no other key has it.
    std::optional<KeyPosition> Find(char32_t character);
    bool TypesAltGrCharacter(std::uint8_t keycode, bool shifted);
    std::uint8_t AltGrKeycode();

private:
    void Refresh();
    void Fetch();
    void Notice(const _XEvent& event);
    int Group(std::uint8_t keycode) const;
    std::optional<unsigned> ModifiersForLevel(std::uint8_t keycode, int group, int level) const;
    std::optional<KeyPosition> Search(char32_t character, bool deadKeys);

    _XDisplay* display_ = nullptr;
    XConnection* connection_;
    int listener_ = 0;
    _XkbDesc* desc_ = nullptr;
    int eventBase_ = -1;
    bool stale_ = true;
    int group_ = 0;
    unsigned levelThreeMask_ = 0x80;  // Mod5, until the map says otherwise
    std::uint8_t altGrKeycode_ = 0;
};

}  // namespace pultara::linux_x11
