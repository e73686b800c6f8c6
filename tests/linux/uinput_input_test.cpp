// The kernel-device path (uinput) against a stand-in device file: the events
// written, in order, each report closed by SYN_REPORT. No /dev/uinput is
// needed; whether a real compositor takes these events is not shown here.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <unistd.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/linux/wayland/uinput_device.h"
#include "platform/linux/wayland/uinput_input.h"
#include "ports/keyboard.h"

namespace pultara::linux_wayland {
namespace {

struct Written {
    std::uint16_t type;
    std::uint16_t code;
    std::int32_t value;
    bool operator==(const Written&) const = default;
};

void PrintTo(const Written& event, std::ostream* out) {
    *out << "{" << event.type << ", " << event.code << ", " << event.value << "}";
}

// A temporary file standing in for the device.
class StandInDevice {
public:
    StandInDevice() {
        char name[] = "/tmp/pultara-uinput-XXXXXX";
        fd_ = mkstemp(name);
        unlink(name);
    }
    ~StandInDevice() { close(fd_); }
    int fd() const { return fd_; }
    std::vector<Written> Events() const {
        std::vector<Written> events;
        input_event event{};
        for (off_t at = 0; pread(fd_, &event, sizeof event, at) == sizeof event;
             at += sizeof event) {
            events.push_back({event.type, event.code, event.value});
        }
        return events;
    }

private:
    int fd_ = -1;
};

std::vector<Written> Report(std::uint16_t type, std::uint16_t code, std::int32_t value) {
    return {{type, code, value}, {EV_SYN, SYN_REPORT, 0}};
}

std::vector<Written> Reports(std::initializer_list<std::vector<Written>> reports) {
    std::vector<Written> all;
    for (const auto& report : reports) {
        all.insert(all.end(), report.begin(), report.end());
    }
    return all;
}

TypingKeymap Layout(const char* name) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{"evdev", "pc105", name, "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    const std::unique_ptr<char, decltype(&std::free)> text(
        xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1), &std::free);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return *TypingKeymap::Compile(text.get());
}

constexpr std::uint8_t kVkControl = 0x11;
constexpr std::uint8_t kVkMenu = 0x12;
constexpr std::uint8_t kVkQ = 0x51;

// The events the key-sequence unit sends for a KeyCode that asks for Ctrl+Alt.
void TypeWithCtrlAlt(Keyboard& keyboard, std::uint8_t virtualKey, std::uint32_t partFlag) {
    keyboard.SendKeyEvent(kVkControl, 0x1D, partFlag);
    keyboard.SendKeyEvent(kVkMenu, 0x38, partFlag);
    keyboard.SendKeyEvent(virtualKey, 0x10, 0);
    keyboard.SendKeyEvent(virtualKey, 0x10, kKeyEventKeyUp);
    keyboard.SendKeyEvent(kVkMenu, 0x38, kKeyEventKeyUp | partFlag);
    keyboard.SendKeyEvent(kVkControl, 0x1D, kKeyEventKeyUp | partFlag);
}

TEST(UinputKeyboard, TypesAltGrCharactersWithAltGrAndCtrlAltAsCtrlAlt) {
    StandInDevice device;
    InputEventWriter writer(device.fd());
    UinputKeyboard keyboard(writer, Layout("de"));
    // "@" is AltGr+Q on a German keyboard, reported as Ctrl+Alt+Q.
    ASSERT_EQ(keyboard.KeyCodeForCharacter(U'@'), 0x600 | kVkQ);
    TypeWithCtrlAlt(keyboard, kVkQ, kKeyEventAltGrPart);
    // "^%q" asks for real Ctrl and Alt.
    TypeWithCtrlAlt(keyboard, kVkQ, 0);
    EXPECT_EQ(device.Events(),
              Reports({Report(EV_KEY, KEY_RIGHTALT, 1), Report(EV_KEY, KEY_Q, 1),
                       Report(EV_KEY, KEY_Q, 0), Report(EV_KEY, KEY_RIGHTALT, 0),
                       Report(EV_KEY, KEY_LEFTCTRL, 1), Report(EV_KEY, KEY_LEFTALT, 1),
                       Report(EV_KEY, KEY_Q, 1), Report(EV_KEY, KEY_Q, 0),
                       Report(EV_KEY, KEY_LEFTALT, 0), Report(EV_KEY, KEY_LEFTCTRL, 0)}));
    EXPECT_FALSE(writer.Failed());
    // A character the layout lacks cannot be typed through the device.
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'ж'), kNoKeyCode);
}

TEST(UinputKeyboard, LetsGoOfHeldKeysWhenItGoes) {
    StandInDevice device;
    {
        InputEventWriter writer(device.fd());
        UinputKeyboard keyboard(writer, Layout("us"));
        keyboard.SendKeyEvent(0x10, 0x2A, 0);  // Shift down, never released
        keyboard.SendKeyEvent(0x41, 0x1E, 0);  // A down
    }
    const std::vector<Written> events = device.Events();
    ASSERT_EQ(events.size(), 8u);
    EXPECT_EQ(std::vector<Written>(events.begin(), events.begin() + 4),
              Reports({Report(EV_KEY, KEY_LEFTSHIFT, 1), Report(EV_KEY, KEY_A, 1)}));
    // Both released, in whichever order.
    int released = 0;
    for (std::size_t i = 4; i < events.size(); i += 2) {
        released += events[i].type == EV_KEY && events[i].value == 0 ? 1 : 0;
        EXPECT_EQ(events[i + 1], (Written{EV_SYN, SYN_REPORT, 0}));
    }
    EXPECT_EQ(released, 2);
}

TEST(UinputMouse, MovesRelativelyFromItsCountKeptOnTheDesktopAndReleasesButtons) {
    StandInDevice device;
    {
        InputEventWriter writer(device.fd());
        UinputMouse mouse(writer, DesktopExtent{0, 0, 200, 100});
        PointerPosition position;
        ASSERT_TRUE(mouse.GetCursorPos(position));
        EXPECT_EQ(position.x, 100);
        EXPECT_EQ(position.y, 50);
        mouse.SetCursorPos({110, 50});
        mouse.SetCursorPos({110, 50});   // no step, nothing written
        mouse.SetCursorPos({500, -20});  // kept on the desktop: (199, 0)
        ASSERT_TRUE(mouse.GetCursorPos(position));
        EXPECT_EQ(position.x, 199);
        EXPECT_EQ(position.y, 0);
        mouse.SendButtonEvent(kMouseLeftDown | kMouseLeftUp);
        mouse.SendButtonEvent(kMouseRightDown);  // still down when the mouse goes
    }
    EXPECT_EQ(device.Events(),
              Reports({Report(EV_REL, REL_X, 10),
                       {{EV_REL, REL_X, 89}, {EV_REL, REL_Y, -50}, {EV_SYN, SYN_REPORT, 0}},
                       Report(EV_KEY, BTN_LEFT, 1),
                       Report(EV_KEY, BTN_LEFT, 0),
                       Report(EV_KEY, BTN_RIGHT, 1),
                       Report(EV_KEY, BTN_RIGHT, 0)}));
}

TEST(UinputDevice, SaysWhyItCannotBeCreated) {
    std::string error;
    EXPECT_EQ(UinputDevice::Create("/nonexistent/uinput", error), nullptr);
    EXPECT_EQ(error, "/nonexistent/uinput: No such file or directory");
    // A plain file is no input device: the kernel's setup requests fail.
    StandInDevice device;
    const std::string path = "/proc/self/fd/" + std::to_string(device.fd());
    EXPECT_EQ(UinputDevice::Create(path, error), nullptr);
    EXPECT_NE(error.find("Inappropriate ioctl"), std::string::npos) << error;
}

}  // namespace
}  // namespace pultara::linux_wayland
