#include "platform/linux/wayland/typing_keymap.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace pultara::linux_wayland {
namespace {

// The keymap text a compositor would hand out for `layout`.
std::string LayoutText(const char* layout) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", layout, "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    const std::unique_ptr<char, decltype(&std::free)> text(
        xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1), &std::free);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return text.get();
}

// What a window receives from `keycode` pressed alone under the uploaded text.
char32_t TypedAlone(const std::string& text, std::uint8_t keycode) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* keymap = xkb_keymap_new_from_string(
        context, text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    char32_t character = 0;
    if (keymap != nullptr) {
        xkb_state* state = xkb_state_new(keymap);
        character = xkb_state_key_get_utf32(state, keycode);
        xkb_state_unref(state);
        xkb_keymap_unref(keymap);
    }
    xkb_context_unref(context);
    return character;
}

constexpr std::uint8_t kQ = 24;  // X keycodes of a PC keyboard
constexpr std::uint8_t kE = 26;
constexpr std::uint8_t kA = 38;
constexpr std::uint8_t kReturn = 36;
constexpr std::uint8_t kRightAlt = 108;

TEST(TypingKeymap, FindsTheGermanLayoutsKeysAndLevels) {
    std::optional<TypingKeymap> keymap = TypingKeymap::Compile(LayoutText("de"));
    ASSERT_TRUE(keymap);
    const std::optional<KeyPosition> a = keymap->Find(U'A');
    ASSERT_TRUE(a);
    EXPECT_EQ(a->keycode, kA);
    EXPECT_TRUE(a->shift);
    EXPECT_FALSE(a->altGr);
    const std::optional<KeyPosition> at = keymap->Find(U'@');
    ASSERT_TRUE(at);
    EXPECT_EQ(at->keycode, kQ);
    EXPECT_FALSE(at->shift);
    EXPECT_TRUE(at->altGr);
    const std::optional<KeyPosition> euro = keymap->Find(U'€');
    ASSERT_TRUE(euro);
    EXPECT_EQ(euro->keycode, kE);
    EXPECT_TRUE(euro->altGr);
    EXPECT_EQ(keymap->AltGrKeycode(), kRightAlt);
    EXPECT_TRUE(keymap->TypesAltGrCharacter(kQ, false));
    EXPECT_TRUE(keymap->TypesAltGrCharacter(kA, false));        // "æ"
    EXPECT_FALSE(keymap->TypesAltGrCharacter(kReturn, false));  // one level only
    // On the German layout "é" is only a dead key followed by "e".
    EXPECT_FALSE(keymap->Find(U'é'));
}

TEST(TypingKeymap, SpareKeysTypeWhatTheLayoutLacksAndAreReusedLongestUnusedFirst) {
    std::optional<TypingKeymap> keymap = TypingKeymap::Compile(LayoutText("us"));
    ASSERT_TRUE(keymap);
    keymap->LimitSpareKeys(2);
    ASSERT_EQ(keymap->SpareKeycode(1) != 0, true);
    EXPECT_EQ(keymap->SpareKeycode(2), 0);

    const std::uint8_t e = keymap->SpareKeyFor(U'é');
    const std::uint8_t smile = keymap->SpareKeyFor(U'\U0001F600');  // a keysym without a name
    ASSERT_NE(e, 0);
    ASSERT_NE(smile, 0);
    EXPECT_NE(e, smile);
    std::string text = keymap->Text();
    EXPECT_EQ(TypedAlone(text, e), U'é');
    EXPECT_EQ(TypedAlone(text, smile), U'\U0001F600');
    EXPECT_EQ(TypedAlone(text, kA), U'a');  // the layout is untouched

    // "é" again keeps its key and changes nothing to upload; a third
    // character takes the key used longest ago, which is now the smiley's.
    const std::uint64_t generation = keymap->Generation();
    EXPECT_EQ(keymap->SpareKeyFor(U'é'), e);
    EXPECT_EQ(keymap->Generation(), generation);
    EXPECT_EQ(keymap->SpareKeyFor(U'ж'), smile);
    EXPECT_NE(keymap->Generation(), generation);
    text = keymap->Text();
    EXPECT_EQ(TypedAlone(text, smile), U'ж');
    EXPECT_EQ(TypedAlone(text, e), U'é');
}

}  // namespace
}  // namespace pultara::linux_wayland
