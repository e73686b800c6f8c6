#include <set>

#include "actions/keysend/key_name_table.h"
#include "key_send_rig.h"

namespace pultara::testing {
namespace {

using KeyNames = KeySend;

TEST(KeyNameTable, HoldsEightyTwoNamesWithSevenRepeatedOnTheSameKey) {
    std::set<std::string_view> names;
    std::multiset<std::string_view> repeated;
    for (const KeyName& entry : kKeyNameTable) {
        if (!names.insert(entry.name).second) {
            repeated.insert(entry.name);
            EXPECT_EQ(LookUpKeyName(entry.name), entry.virtualKey) << entry.name;
        }
    }
    EXPECT_EQ(names.size(), 82u);
    EXPECT_EQ(repeated, (std::multiset<std::string_view>{"CLEAR", "DOWN", "LEFT", "MUL", "RIGHT",
                                                         "TAB", "UP"}));
}

TEST(KeyNameTable, KnowsOnlyItsOwnSpellings) {
    EXPECT_EQ(LookUpKeyName("PRTSC"), 0x2A);
    EXPECT_EQ(LookUpKeyName("PRINT"), 0x2C);
    EXPECT_EQ(LookUpKeyName("SEPERATOR"), 0x6C);
    EXPECT_EQ(LookUpKeyName("NUM7"), 0x67);
    EXPECT_EQ(LookUpKeyName("F16"), 0x7F);
    for (std::string_view unknown :
         {"BACKSPACE", "INSERT", "SEPARATOR", "F17", "NUM10", "left", "CTRL", "WIN", ""}) {
        EXPECT_FALSE(LookUpKeyName(unknown)) << unknown;
    }
}

TEST(ExtendedKeys, AreTheNavigationWindowsAndKeypadDigitKeys) {
    std::set<int> extended;
    for (int vk = 0; vk < 256; ++vk) {
        if (IsExtendedKey(static_cast<std::uint8_t>(vk))) {
            extended.insert(vk);
        }
    }
    EXPECT_EQ(extended, (std::set<int>{0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2D,
                                       0x2E, 0x5B, 0x5C, 0x5D, 0x60, 0x61, 0x62, 0x63, 0x64,
                                       0x65, 0x66, 0x67, 0x68, 0x69, 0x6B, 0x6D}));
}

TEST_F(KeyNames, EveryNameTypesItsKeyWithTheRightFlag) {
    for (const KeyName& entry : kKeyNameTable) {
        if (entry.name == "NUMLOCK") {
            continue;  // toggled on its own terms
        }
        const std::uint8_t vk = entry.virtualKey;
        EXPECT_EQ(Send("{" + std::string(entry.name) + "}"),
                  IsExtendedKey(vk) ? TapExt(vk) : Tap(vk))
            << entry.name;
    }
}

TEST_F(KeyNames, ExtendedFlagAlsoAppliesToKeysFromTheLayout) {
    keyboard.layout[U'q'] = 0x0125;  // Shift+Left
    EXPECT_EQ(Send("q"), (Lines{Down(kShift), DownExt(kLeft), UpExt(kLeft), Up(kShift)}));
    EXPECT_EQ(Send("{MUL}{DIV}{ADD}"), Join({Tap(0x6A), Tap(0x6F), TapExt(0x6B)}));
}

TEST_F(KeyNames, BraceNamesNeverAddModifiers) {
    EXPECT_EQ(Send("{SHIFT}{CONTROL}{ALT}"), Join({Tap(kShift), Tap(kCtrl), Tap(kAlt)}));
}

}  // namespace
}  // namespace pultara::testing
