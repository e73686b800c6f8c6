#pragma once
#include <ostream>
#include <string>

#include "ports/dialogs.h"
#include "ports/keyboard.h"

namespace pultara::keys {

// A keyboard with the US English layout that writes each key event as a line:
// "down 0x41 A", "up 0x25 Left ext".
class TranscriptKeyboard : public Keyboard {
public:
    explicit TranscriptKeyboard(std::ostream& out) : out_(out) {}
    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint16_t KeyCodeForCharacter(char32_t character) override;
    std::uint32_t ScanCodeForVirtualKey(std::uint8_t virtualKey) override;
    void PumpKeyboardMessages() override {}

private:
    std::ostream& out_;
};

// Message boxes as lines: "box SendKeys: No Close". They close at once.
class TranscriptDialogs : public Dialogs {
public:
    explicit TranscriptDialogs(std::ostream& out) : out_(out) {}
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    void ShowApplicationError(const std::string& message) override;

private:
    std::ostream& out_;
};

// Runs one command through the interpreter and writes what it does. An error
// that ends the command is written as "error: TEXT"; the result is then false.
bool WriteTranscript(const std::string& command, std::ostream& out);

}  // namespace pultara::keys
