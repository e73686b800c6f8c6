#include "platform/linux/xkb_layout.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>
#include <xkbcommon/xkbcommon.h>

#include <bit>
#include <cstring>

#include "platform/linux/key_map.h"

namespace pultara::linux_x11 {

namespace {

// Spacing characters of the dead keys, as Windows layouts report them.
char32_t DeadKeyCharacter(KeySym keysym) {
    switch (keysym) {
        case XK_dead_grave: return U'`';
        case XK_dead_acute: return U'\u00B4';
        case XK_dead_circumflex: return U'^';
        case XK_dead_tilde: return U'~';
        case XK_dead_diaeresis: return U'\u00A8';
        case XK_dead_cedilla: return U'\u00B8';
        default: return 0;
    }
}

char32_t CharacterOf(KeySym keysym, bool deadKeys) {
    if (deadKeys) {
        return DeadKeyCharacter(keysym);
    }
    return xkb_keysym_to_utf32(static_cast<xkb_keysym_t>(keysym));
}

}  // namespace

XkbLayout::XkbLayout(XConnection* connection) : connection_(connection) {
    if (connection == nullptr) {
        return;
    }
    Display* display = connection->display();
    int opcode = 0;
    int error = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    if (display == nullptr ||
        !XkbQueryExtension(display, &opcode, &eventBase_, &error, &major, &minor)) {
        return;
    }
    display_ = display;
    const unsigned events = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
    XkbSelectEvents(display_, XkbUseCoreKbd, events, events);
    XkbSelectEventDetails(display_, XkbUseCoreKbd, XkbStateNotify, XkbGroupStateMask,
                          XkbGroupStateMask);
    listener_ = connection->AddEventListener([this](const XEvent& event) { Notice(event); });
}

XkbLayout::~XkbLayout() {
    if (listener_ != 0) {
        connection_->RemoveEventListener(listener_);
    }
    if (desc_ != nullptr) {
        XkbFreeKeyboard(desc_, XkbAllComponentsMask, True);
    }
}

void XkbLayout::Notice(const XEvent& event) {
    if (event.type != eventBase_) {
        return;
    }
    const auto& xkb = reinterpret_cast<const XkbEvent&>(event);
    if (xkb.any.xkb_type == XkbStateNotify) {
        group_ = xkb.state.group;
    } else {
        stale_ = true;  // a new layout or a changed map
    }
}

void XkbLayout::Refresh() {
    connection_->ReadEvents();
    if (stale_ || desc_ == nullptr) {
        Fetch();
    }
}

void XkbLayout::Fetch() {
    if (desc_ != nullptr) {
        XkbFreeKeyboard(desc_, XkbAllComponentsMask, True);
    }
    desc_ = XkbGetMap(display_, XkbAllClientInfoMask | XkbVirtualModsMask, XkbUseCoreKbd);
    stale_ = false;
    // Later group changes arrive as events.
    XkbStateRec state;
    group_ = XkbGetState(display_, XkbUseCoreKbd, &state) == Success ? state.group : 0;
    if (desc_ == nullptr) {
        return;
    }
    XkbGetNames(display_, XkbVirtualModNamesMask, desc_);
    levelThreeMask_ = Mod5Mask;
    for (int i = 0; desc_->names != nullptr && i < XkbNumVirtualMods; ++i) {
        const Atom name = desc_->names->vmods[i];
        char* text = name != None ? XGetAtomName(display_, name) : nullptr;
        if (text != nullptr && std::strcmp(text, "LevelThree") == 0 && desc_->server != nullptr &&
            desc_->server->vmods[i] != 0) {
            levelThreeMask_ = desc_->server->vmods[i];
        }
        XFree(text);
    }
    altGrKeycode_ = 0;
    for (int keycode = desc_->min_key_code; keycode <= desc_->max_key_code; ++keycode) {
        const auto code = static_cast<std::uint8_t>(keycode);
        if (XkbKeyNumGroups(desc_, code) > 0 &&
            XkbKeySymEntry(desc_, code, 0, Group(code)) == XK_ISO_Level3_Shift &&
            (altGrKeycode_ == 0 || keycode == kEvdevRightAlt + kXKeycodeOffset)) {
            altGrKeycode_ = code;
        }
    }
}

int XkbLayout::Group(std::uint8_t keycode) const {
    const int groups = XkbKeyNumGroups(desc_, keycode);
    return groups > 0 ? group_ % groups : 0;
}

std::optional<unsigned> XkbLayout::ModifiersForLevel(std::uint8_t keycode, int group,
                                                     int level) const {
    if (level == 0) {
        return 0u;
    }
    const XkbKeyTypePtr type = XkbKeyKeyType(desc_, keycode, group);
    const unsigned allowed = ShiftMask | levelThreeMask_;
    std::optional<unsigned> best;
    for (int i = 0; i < type->map_count; ++i) {
        const XkbKTMapEntryRec& entry = type->map[i];
        const unsigned mask = entry.mods.mask;
        if (entry.active && entry.level == level && (mask & ~allowed) == 0 &&
            (!best || std::popcount(mask) < std::popcount(*best))) {
            best = mask;
        }
    }
    return best;
}

std::optional<KeyPosition> XkbLayout::Search(char32_t character, bool deadKeys) {
    for (int level = 0; level < 4; ++level) {
        for (int keycode = desc_->min_key_code; keycode <= desc_->max_key_code; ++keycode) {
            const auto code = static_cast<std::uint8_t>(keycode);
            if (XkbKeyNumGroups(desc_, code) == 0 || keycode < kXKeycodeOffset) {
                continue;
            }
            const int group = Group(code);
            if (level >= XkbKeyGroupWidth(desc_, code, group) ||
                CharacterOf(XkbKeySymEntry(desc_, code, level, group), deadKeys) != character ||
                VirtualKeyForEvdevCode(static_cast<std::uint8_t>(keycode - kXKeycodeOffset)) == 0) {
                continue;
            }
            const std::optional<unsigned> mods = ModifiersForLevel(code, group, level);
            const bool altGr = mods && (*mods & levelThreeMask_) != 0;
            if (mods && (!altGr || altGrKeycode_ != 0)) {
                return KeyPosition{code, (*mods & ShiftMask) != 0, altGr};
            }
        }
    }
    return std::nullopt;
}

std::optional<KeyPosition> XkbLayout::Find(char32_t character) {
    if (display_ == nullptr || character == 0) {
        return std::nullopt;
    }
    Refresh();
    if (desc_ == nullptr) {
        return std::nullopt;
    }
    if (auto found = Search(character, false)) {
        return found;
    }
    return Search(character, true);
}

bool XkbLayout::TypesAltGrCharacter(std::uint8_t keycode, bool shifted) {
    if (display_ == nullptr) {
        return false;
    }
    Refresh();
    if (desc_ == nullptr || keycode < desc_->min_key_code || keycode > desc_->max_key_code ||
        XkbKeyNumGroups(desc_, keycode) == 0) {
        return false;
    }
    const int group = Group(keycode);
    const int level = shifted ? 3 : 2;
    if (level >= XkbKeyGroupWidth(desc_, keycode, group)) {
        return false;
    }
    const std::optional<unsigned> mods = ModifiersForLevel(keycode, group, level);
    return mods && (*mods & levelThreeMask_) != 0 &&
           xkb_keysym_to_utf32(
               static_cast<xkb_keysym_t>(XkbKeySymEntry(desc_, keycode, level, group))) != 0;
}

std::uint8_t XkbLayout::AltGrKeycode() {
    if (display_ != nullptr && desc_ == nullptr) {
        Refresh();
    }
    return altGrKeycode_;
}

}  // namespace pultara::linux_x11
