#include "platform/linux/key_injector.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace pultara::linux_x11 {
namespace {

using Lines = std::vector<std::string>;

// X keycodes of a pc105 keyboard.
constexpr std::uint8_t kCtrl = 37, kAlt = 64, kShift = 50, kAltGr = 108, kQ = 24, kA = 38, kE = 26,
                       kF4 = 70, kSeven = 16;

// A German-like layout: Q, E and 7 have AltGr characters ("@", "€", "{").
class RecordingSink : public KeycodeSink {
public:
    void SendKeycode(std::uint8_t keycode, bool down) override {
        log.push_back(Name(keycode) + (down ? " down" : " up"));
    }
    bool TypesAltGrCharacter(std::uint8_t keycode, bool shifted) override {
        return !shifted && altGrKeys.count(keycode) != 0;
    }
    std::uint8_t AltGrKeycode() override { return altGrKey; }

    static std::string Name(std::uint8_t keycode) {
        static const std::map<std::uint8_t, std::string> names{
            {kCtrl, "Ctrl"}, {kAlt, "Alt"}, {kShift, "Shift"}, {kAltGr, "AltGr"}, {kQ, "Q"},
            {kA, "A"},       {kE, "E"},     {kF4, "F4"},       {kSeven, "7"}};
        const auto found = names.find(keycode);
        return found != names.end() ? found->second : std::to_string(keycode);
    }

    std::set<std::uint8_t> altGrKeys{kQ, kE, kSeven};
    std::uint8_t altGrKey = kAltGr;
    Lines log;
};

// Windows events as the key-sequence language sends them; Ctrl and Alt
// events of a character's KeyCode come marked as AltGr parts.
struct Events {
    KeyInjector& injector;
    Events& Down(std::uint8_t vk, std::uint8_t scan) {
        injector.KeyEvent(vk, scan, false, false);
        return *this;
    }
    Events& Up(std::uint8_t vk, std::uint8_t scan) {
        injector.KeyEvent(vk, scan, false, true);
        return *this;
    }
    Events& PartDown(std::uint8_t vk, std::uint8_t scan) {
        injector.KeyEvent(vk, scan, false, false, true);
        return *this;
    }
    Events& PartUp(std::uint8_t vk, std::uint8_t scan) {
        injector.KeyEvent(vk, scan, false, true, true);
        return *this;
    }
    Events& Tap(std::uint8_t vk, std::uint8_t scan) { return Down(vk, scan).Up(vk, scan); }
};

constexpr std::uint8_t kVkShift = 0x10, kVkCtrl = 0x11, kVkAlt = 0x12;
constexpr std::uint8_t kScanShift = 0x2A, kScanCtrl = 0x1D, kScanAlt = 0x38, kScanQ = 0x10,
                       kScanA = 0x1E, kScanF4 = 0x3E, kScan7 = 0x08;

struct KeyInjection : ::testing::Test {
    RecordingSink sink;
    KeyInjector injector{sink};
    Events events{injector};
};

TEST_F(KeyInjection, PlainKeysAndShiftPassStraightThrough) {
    events.Down(kVkShift, kScanShift).Tap('A', kScanA).Up(kVkShift, kScanShift);
    EXPECT_EQ(sink.log, (Lines{"Shift down", "A down", "A up", "Shift up"}));
    EXPECT_TRUE(injector.HeldKeys().empty());
}

TEST_F(KeyInjection, CtrlAltBeforeAnAltGrCharacterTypesItWithAltGr) {
    // "@" on a German layout is reported as Ctrl+Alt+Q.
    events.PartDown(kVkCtrl, kScanCtrl).PartDown(kVkAlt, kScanAlt).Tap('Q', kScanQ);
    events.PartUp(kVkCtrl, kScanCtrl).PartUp(kVkAlt, kScanAlt);
    EXPECT_EQ(sink.log, (Lines{"AltGr down", "Q down", "Q up", "AltGr up"}));
    EXPECT_TRUE(injector.HeldKeys().empty());
}

TEST_F(KeyInjection, AltGrStaysDownForARepeatedCharacter) {
    events.PartDown(kVkCtrl, kScanCtrl).PartDown(kVkAlt, kScanAlt);
    events.Tap('7', kScan7).Tap('7', kScan7);
    events.PartUp(kVkCtrl, kScanCtrl).PartUp(kVkAlt, kScanAlt);
    EXPECT_EQ(sink.log, (Lines{"AltGr down", "7 down", "7 up", "7 down", "7 up", "AltGr up"}));
}

TEST_F(KeyInjection, CtrlAltBeforeAnOtherKeyIsAShortcut) {
    events.PartDown(kVkCtrl, kScanCtrl).PartDown(kVkAlt, kScanAlt).Tap(0x73, kScanF4);
    events.Up(kVkCtrl, kScanCtrl).Up(kVkAlt, kScanAlt);
    EXPECT_EQ(sink.log, (Lines{"Ctrl down", "Alt down", "F4 down", "F4 up", "Ctrl up", "Alt up"}));
}

TEST_F(KeyInjection, WithoutAnAltGrKeyCtrlAltArePressed) {
    sink.altGrKey = 0;
    sink.altGrKeys.clear();
    events.PartDown(kVkCtrl, kScanCtrl).PartDown(kVkAlt, kScanAlt).Tap('Q', kScanQ);
    events.Up(kVkAlt, kScanAlt).Up(kVkCtrl, kScanCtrl);
    EXPECT_EQ(sink.log, (Lines{"Ctrl down", "Alt down", "Q down", "Q up", "Alt up", "Ctrl up"}));
}

TEST_F(KeyInjection, ALoneModifierIsStillPressedAndReleased) {
    events.Down(kVkAlt, kScanAlt).Up(kVkAlt, kScanAlt);
    events.Down(kVkCtrl, kScanCtrl).Down(kVkCtrl, kScanCtrl).Up(kVkCtrl, kScanCtrl);
    EXPECT_EQ(sink.log, (Lines{"Alt down", "Alt up", "Ctrl down", "Ctrl up"}));
}

TEST_F(KeyInjection, CtrlAloneWithALetterIsAPlainShortcut) {
    // Ctrl+E (E has an AltGr character, but Alt is not held).
    events.Down(kVkCtrl, 0x1D).Tap('E', 0x12).Tap('A', kScanA).Up(kVkCtrl, 0x1D);
    EXPECT_EQ(sink.log, (Lines{"Ctrl down", "E down", "E up", "A down", "A up", "Ctrl up"}));
}

TEST_F(KeyInjection, AKeyAfterAnAltGrCharacterGetsTheRealModifiersBack) {
    // "^%(@a)": Ctrl and Alt of the prefixes stay for the next key; "@"
    // brings its own marked pair: first "@", then Ctrl+Alt+A.
    events.Down(kVkCtrl, kScanCtrl).Down(kVkAlt, kScanAlt);
    events.PartDown(kVkCtrl, kScanCtrl).PartDown(kVkAlt, kScanAlt).Tap('Q', kScanQ);
    events.Tap('A', kScanA).Up(kVkCtrl, kScanCtrl).Up(kVkAlt, kScanAlt);
    EXPECT_EQ(sink.log, (Lines{"AltGr down", "Q down", "Q up", "AltGr up", "Ctrl down", "Alt down",
                               "A down", "A up", "Ctrl up", "Alt up"}));
}

TEST_F(KeyInjection, CtrlAndAltOfThePrefixesStayCtrlAndAltBeforeAnAltGrKey) {
    // "^%q" on a layout where Q has an AltGr character is the shortcut.
    events.Down(kVkCtrl, kScanCtrl).Down(kVkAlt, kScanAlt).Tap('Q', kScanQ);
    events.Up(kVkCtrl, kScanCtrl).Up(kVkAlt, kScanAlt);
    EXPECT_EQ(sink.log, (Lines{"Ctrl down", "Alt down", "Q down", "Q up", "Ctrl up", "Alt up"}));
}

TEST_F(KeyInjection, ReleaseAllLetsGoOfEverythingHeld) {
    events.Down(kVkShift, kScanShift).Down(kVkCtrl, kScanCtrl).Down('A', kScanA);
    events.Down(kVkAlt, kScanAlt);  // pressed late: never reached the server
    injector.ReleaseAll();
    EXPECT_TRUE(injector.HeldKeys().empty());
    Lines ups(sink.log.begin() + 3, sink.log.end());
    std::sort(ups.begin(), ups.end());
    EXPECT_EQ(ups, (Lines{"A up", "Ctrl up", "Shift up"}));
    // Nothing pending is pressed afterwards.
    sink.log.clear();
    events.Up(kVkAlt, kScanAlt);
    EXPECT_EQ(sink.log, Lines{});
}

TEST_F(KeyInjection, EventsForKeysLinuxLacksAreDropped) {
    events.Tap(0xF6, 0);  // Attn
    EXPECT_EQ(sink.log, Lines{});
}

}  // namespace
}  // namespace pultara::linux_x11
