#include "platform/linux/wayland/typing_keymap.h"

#include <xkbcommon/xkbcommon.h>

#include <array>
#include <bit>
#include <cstdlib>
#include <memory>
#include <utility>

#include "platform/linux/key_map.h"

namespace pultara::linux_wayland {

namespace {

constexpr xkb_layout_index_t kGroup = 0;
constexpr int kMaxMasks = 8;

// Keys whose evdev codes stand for a Windows key: the layout's characters are
// only typed through those, since the program presses keys by virtual key.
bool HasVirtualKey(xkb_keycode_t keycode) {
    return keycode >= linux_x11::kXKeycodeOffset && keycode <= 255 &&
           linux_x11::VirtualKeyForEvdevCode(
               static_cast<std::uint8_t>(keycode - linux_x11::kXKeycodeOffset)) != 0;
}

// The fewest modifiers that select `level`, among Shift and AltGr only.
std::optional<unsigned> ModifiersForLevel(xkb_keymap* keymap, xkb_keycode_t keycode,
                                          xkb_level_index_t level, unsigned allowed) {
    std::array<xkb_mod_mask_t, kMaxMasks> masks{};
    const std::size_t count =
        xkb_keymap_key_get_mods_for_level(keymap, keycode, kGroup, level, masks.data(), kMaxMasks);
    std::optional<unsigned> best;
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned mask = masks[i];
        if ((mask & ~allowed) == 0 && (!best || std::popcount(mask) < std::popcount(*best))) {
            best = mask;
        }
    }
    return best;
}

char32_t CharacterAt(xkb_keymap* keymap, xkb_keycode_t keycode, xkb_level_index_t level) {
    const xkb_keysym_t* syms = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, keycode, kGroup, level, &syms) != 1) {
        return 0;
    }
    return xkb_keysym_to_utf32(syms[0]);
}

}  // namespace

std::optional<TypingKeymap> TypingKeymap::Compile(const std::string& text) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (context == nullptr) {
        return std::nullopt;
    }
    xkb_keymap* layout =
        text.empty() ? xkb_keymap_new_from_names(context, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS)
                     : xkb_keymap_new_from_string(context, text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                                  XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (layout == nullptr) {
        xkb_context_unref(context);
        return std::nullopt;
    }
    return TypingKeymap(context, layout);
}

TypingKeymap::TypingKeymap(xkb_context* context, xkb_keymap* layout)
    : context_(context), layout_(layout) {
    const std::unique_ptr<char, decltype(&std::free)> text(
        xkb_keymap_get_as_string(layout, XKB_KEYMAP_FORMAT_TEXT_V1), &std::free);
    layoutText_ = text ? text.get() : "";
    shiftMask_ = 1u << xkb_keymap_mod_get_index(layout, XKB_MOD_NAME_SHIFT);
    for (xkb_keycode_t keycode = xkb_keymap_min_keycode(layout);
         keycode <= xkb_keymap_max_keycode(layout) && keycode <= 255; ++keycode) {
        const char* name = xkb_keymap_key_get_name(layout, keycode);
        if (xkb_keymap_num_layouts_for_key(layout, keycode) == 0) {
            if (name != nullptr && keycode >= linux_x11::kXKeycodeOffset) {
                spares_.push_back(Spare{static_cast<std::uint8_t>(keycode), name});
            }
            continue;
        }
        const xkb_keysym_t* syms = nullptr;
        if (xkb_keymap_key_get_syms_by_level(layout, keycode, kGroup, 0, &syms) == 1 &&
            syms[0] == XKB_KEY_ISO_Level3_Shift &&
            (altGrKeycode_ == 0 ||
             keycode == linux_x11::kEvdevRightAlt + linux_x11::kXKeycodeOffset)) {
            altGrKeycode_ = static_cast<std::uint8_t>(keycode);
        }
    }
    // The modifier AltGr sets, as the layout's own state machine reports it.
    if (altGrKeycode_ != 0) {
        xkb_state* state = xkb_state_new(layout);
        xkb_state_update_key(state, altGrKeycode_, XKB_KEY_DOWN);
        levelThreeMask_ = xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED);
        xkb_state_unref(state);
    }
}

TypingKeymap::~TypingKeymap() {
    Release();
}

TypingKeymap::TypingKeymap(TypingKeymap&& other) noexcept
    : context_(std::exchange(other.context_, nullptr)),
      layout_(std::exchange(other.layout_, nullptr)),
      layoutText_(std::move(other.layoutText_)),
      spares_(std::move(other.spares_)),
      uses_(other.uses_),
      generation_(other.generation_),
      shiftMask_(other.shiftMask_),
      levelThreeMask_(other.levelThreeMask_),
      altGrKeycode_(other.altGrKeycode_) {}

TypingKeymap& TypingKeymap::operator=(TypingKeymap&& other) noexcept {
    if (this != &other) {
        Release();
        context_ = std::exchange(other.context_, nullptr);
        layout_ = std::exchange(other.layout_, nullptr);
        layoutText_ = std::move(other.layoutText_);
        spares_ = std::move(other.spares_);
        uses_ = other.uses_;
        generation_ = other.generation_;
        shiftMask_ = other.shiftMask_;
        levelThreeMask_ = other.levelThreeMask_;
        altGrKeycode_ = other.altGrKeycode_;
    }
    return *this;
}

void TypingKeymap::Release() {
    if (layout_ != nullptr) {
        xkb_keymap_unref(layout_);
    }
    if (context_ != nullptr) {
        xkb_context_unref(context_);
    }
    layout_ = nullptr;
    context_ = nullptr;
}

std::optional<KeyPosition> TypingKeymap::Find(char32_t character) const {
    if (character == 0) {
        return std::nullopt;
    }
    const unsigned allowed = shiftMask_ | levelThreeMask_;
    for (xkb_level_index_t level = 0; level < 4; ++level) {
        for (xkb_keycode_t keycode = xkb_keymap_min_keycode(layout_);
             keycode <= xkb_keymap_max_keycode(layout_) && keycode <= 255; ++keycode) {
            if (!HasVirtualKey(keycode) ||
                level >= xkb_keymap_num_levels_for_key(layout_, keycode, kGroup) ||
                CharacterAt(layout_, keycode, level) != character) {
                continue;
            }
            const std::optional<unsigned> mods =
                ModifiersForLevel(layout_, keycode, level, allowed);
            const bool altGr = mods && levelThreeMask_ != 0 && (*mods & levelThreeMask_) != 0;
            if (mods) {
                return KeyPosition{static_cast<std::uint8_t>(keycode), (*mods & shiftMask_) != 0,
                                   altGr};
            }
        }
    }
    return std::nullopt;
}

bool TypingKeymap::TypesAltGrCharacter(std::uint8_t keycode, bool shifted) const {
    const xkb_level_index_t level = shifted ? 3 : 2;
    if (levelThreeMask_ == 0 || xkb_keymap_num_layouts_for_key(layout_, keycode) == 0 ||
        level >= xkb_keymap_num_levels_for_key(layout_, keycode, kGroup)) {
        return false;
    }
    const std::optional<unsigned> mods =
        ModifiersForLevel(layout_, keycode, level, shiftMask_ | levelThreeMask_);
    return mods && (*mods & levelThreeMask_) != 0 && CharacterAt(layout_, keycode, level) != 0;
}

std::uint8_t TypingKeymap::SpareKeyFor(char32_t character) {
    if (spares_.empty() || xkb_utf32_to_keysym(character) == XKB_KEY_NoSymbol) {
        return 0;
    }
    Spare* chosen = &spares_.front();
    for (Spare& spare : spares_) {
        if (spare.character == character) {
            chosen = &spare;
            break;
        }
        if (spare.lastUse < chosen->lastUse) {
            chosen = &spare;
        }
    }
    if (chosen->character != character) {
        chosen->character = character;
        ++generation_;
    }
    chosen->lastUse = ++uses_;
    return chosen->keycode;
}

void TypingKeymap::LimitSpareKeys(std::size_t count) {
    if (spares_.size() > count) {
        spares_.resize(count);
    }
}

std::string TypingKeymap::Text() const {
    std::string symbols;
    for (const Spare& spare : spares_) {
        if (spare.character == 0) {
            continue;
        }
        std::array<char, 64> name{};
        xkb_keysym_get_name(xkb_utf32_to_keysym(spare.character), name.data(), name.size());
        symbols += "\tkey <" + spare.name + "> { [ " + name.data() + " ] };\n";
    }
    // The symbols section is the last section and ends with its own "};".
    const std::size_t section = layoutText_.find("xkb_symbols");
    const std::size_t end =
        section == std::string::npos ? std::string::npos : layoutText_.find("\n};", section);
    if (symbols.empty() || end == std::string::npos) {
        return layoutText_;
    }
    std::string text = layoutText_;
    text.insert(end + 1, symbols);
    return text;
}

}  // namespace pultara::linux_wayland
