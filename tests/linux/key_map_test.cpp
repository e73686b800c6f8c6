#include "platform/linux/key_map.h"

#include <gtest/gtest.h>

namespace pultara::linux_x11 {
namespace {

// Evdev codes from linux/input-event-codes.h.
constexpr std::uint8_t kKeyA = 30, kKeyQ = 16, kKey1 = 2, kKeyLeftBrace = 26, kKeyApostrophe = 40,
                       kKey102nd = 86, kKeyEnter = 28, kKeyKp0 = 82, kKeyKpPlus = 78,
                       kKeyKpSlash = 98, kKeySlash = 53, kKeyUp = 103, kKeyKp8 = 72,
                       kKeyPause = 119, kKeySysRq = 99, kKeyF12 = 88, kKeyF13 = 183,
                       kKeyInsert = 110, kKeyLeftMeta = 125, kKeyRightCtrl = 97;

std::uint8_t Evdev(std::uint8_t vk, bool extended = false) {
    return EvdevCodeForKeyEvent(vk, ScanCodeForVirtualKey(vk), extended);
}

TEST(KeyMap, LettersDigitsAndPunctuationLandOnTheUsKeyOfTheSameScanCode) {
    EXPECT_EQ(Evdev('A'), kKeyA);
    EXPECT_EQ(Evdev('Q'), kKeyQ);
    EXPECT_EQ(Evdev('1'), kKey1);
    EXPECT_EQ(Evdev(0xDB), kKeyLeftBrace);   // VK_OEM_4
    EXPECT_EQ(Evdev(0xDE), kKeyApostrophe);  // VK_OEM_7: "ä" on a German keyboard
    EXPECT_EQ(Evdev(0xE2), kKey102nd);       // VK_OEM_102: "<" on a German keyboard
}

TEST(KeyMap, LayoutIndependentKeysFollowTheVirtualKeyWhateverTheFlags) {
    // The key-sequence language sends the keypad digits, Add and Subtract
    // with the extended flag; Windows programs still see keypad keys.
    EXPECT_EQ(Evdev(0x60, true), kKeyKp0);
    EXPECT_EQ(Evdev(0x6B, true), kKeyKpPlus);
    EXPECT_EQ(Evdev(0x6F), kKeyKpSlash);  // not the "/" key its scan code names
    EXPECT_EQ(Evdev(0x0D), kKeyEnter);
    EXPECT_EQ(Evdev(0x26, true), kKeyUp);
    EXPECT_EQ(Evdev(0x13), kKeyPause);  // its scan code is Num Lock's
    EXPECT_EQ(Evdev(0x2C), kKeySysRq);  // Print Screen
    EXPECT_EQ(Evdev(0x7B), kKeyF12);
    EXPECT_EQ(Evdev(0x7C), kKeyF13);
    EXPECT_EQ(Evdev(0x2D, true), kKeyInsert);
    EXPECT_EQ(Evdev(0x5B, true), kKeyLeftMeta);
}

TEST(KeyMap, ScanCodesAloneFollowThePc105Keyboard) {
    EXPECT_EQ(EvdevCodeForKeyEvent(0xE8, 0x48, false), kKeyKp8);
    EXPECT_EQ(EvdevCodeForKeyEvent(0xE8, 0x48, true), kKeyUp);
    EXPECT_EQ(EvdevCodeForKeyEvent(0xE8, 0x35, false), kKeySlash);
    EXPECT_EQ(EvdevCodeForKeyEvent(0xE8, 0x35, true), kKeyKpSlash);
    EXPECT_EQ(EvdevCodeForKeyEvent(0xE8, 0x1D, true), kKeyRightCtrl);
    EXPECT_EQ(EvdevCodeForKeyEvent(0xE8, 0x00, false), kNoEvdevCode);
    EXPECT_EQ(EvdevCodeForKeyEvent(0xE8, 0x60, true), kNoEvdevCode);
}

TEST(KeyMap, KeysNoLinuxKeyboardHasAreDropped) {
    EXPECT_EQ(Evdev(0xF6), kNoEvdevCode);  // Attn
    EXPECT_EQ(Evdev(0xFE), kNoEvdevCode);  // OemClear
    EXPECT_EQ(Evdev(0x01), kNoEvdevCode);  // a mouse button as a key
}

TEST(KeyMap, EveryKeyOfTheBasicSetHasAVirtualKeyThatPressesItAgain) {
    for (int evdev = 1; evdev <= 88; ++evdev) {
        if (evdev == 84 || evdev == 85) {
            continue;  // no key in the PC layout
        }
        const std::uint8_t vk = VirtualKeyForEvdevCode(static_cast<std::uint8_t>(evdev));
        ASSERT_NE(vk, 0) << "evdev " << evdev;
        EXPECT_EQ(Evdev(vk), evdev) << "evdev " << evdev << " vk " << int(vk);
    }
}

TEST(KeyMap, ReverseLookupPrefersTheGeneralModifierKeys) {
    EXPECT_EQ(VirtualKeyForEvdevCode(42), 0x10);  // VK_SHIFT, not VK_LSHIFT
    EXPECT_EQ(VirtualKeyForEvdevCode(29), 0x11);
    EXPECT_EQ(VirtualKeyForEvdevCode(76), 0x65);  // keypad 5, not Clear
    EXPECT_EQ(VirtualKeyForEvdevCode(kKeyA), 'A');
    EXPECT_EQ(VirtualKeyForEvdevCode(200), 0);
}

}  // namespace
}  // namespace pultara::linux_x11
