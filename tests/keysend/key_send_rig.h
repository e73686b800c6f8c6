#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/keysend/key_sender.h"
#include "platform/fake/fake_input.h"
#include "platform/fake/fake_system.h"

namespace pultara::testing {

using Lines = std::vector<std::string>;

// Virtual keys the tests talk about.
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kCtrl = 0x11;
inline constexpr std::uint8_t kAlt = 0x12;
inline constexpr std::uint8_t kEnter = 0x0D;
inline constexpr std::uint8_t kLeft = 0x25;

// The log lines of key events as the recording keyboard writes them, with the
// scan codes of the US layout.
std::string Down(std::uint8_t virtualKey);
std::string Up(std::uint8_t virtualKey);
std::string DownExt(std::uint8_t virtualKey);
std::string UpExt(std::uint8_t virtualKey);
// Ctrl or Alt of a KeyCode that asks for both, marked as part of AltGr.
std::string AltGrPart(std::uint8_t virtualKey, bool up);
// A key-error box as the recording dialogs log it.
std::string Box(const std::string& text);

// `parts` joined in order; each part is a line or a list of lines.
Lines Join(std::initializer_list<Lines> parts);
// Down and up of one key, plain or extended.
Lines Tap(std::uint8_t virtualKey);
Lines TapExt(std::uint8_t virtualKey);
// One key inside Shift, as a KeyCode with the Shift bit types it.
Lines Shifted(std::uint8_t virtualKey);

// A KeySender on the recording keyboard and dialogs, all in one log.
struct KeySend : ::testing::Test {
    // Sends the command and returns what it logged.
    Lines Send(const std::string& command);
    // True when no key is left down by the events so far.
    bool NothingDown() const;

    fake::CallLog log;
    fake::FakeKeyboard keyboard{log};
    fake::FakeDialogs dialogs{log};
    KeySender sender{keyboard, dialogs};
};

}  // namespace pultara::testing
