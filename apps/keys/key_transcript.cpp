#include "key_transcript.h"

#include <cstdio>

#include "actions/keysend/key_sender.h"
#include "platform/common/us_layout.h"

namespace pultara::keys {

void TranscriptKeyboard::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t /*scanCode*/,
                                      std::uint32_t flags) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(virtualKey));
    out_ << ((flags & kKeyEventKeyUp) ? "up " : "down ") << code;
    if (const std::string name = VirtualKeyName(virtualKey); !name.empty()) {
        out_ << ' ' << name;
    }
    if (flags & kKeyEventExtended) {
        out_ << " ext";
    }
    out_ << '\n';
}

std::uint16_t TranscriptKeyboard::KeyCodeForCharacter(char32_t character) {
    return UsKeyCodeForCharacter(character);
}

std::uint32_t TranscriptKeyboard::ScanCodeForVirtualKey(std::uint8_t virtualKey) {
    return UsScanCodeForVirtualKey(virtualKey);
}

void TranscriptDialogs::ShowMessage(const std::string& text, const std::string& caption,
                                    MessageIcon /*icon*/) {
    out_ << "box " << caption << ": " << text << '\n';
}

void TranscriptDialogs::ShowApplicationError(const std::string& message) {
    out_ << "error: " << message << '\n';
}

bool WriteTranscript(const std::string& command, std::ostream& out) {
    TranscriptKeyboard keyboard(out);
    TranscriptDialogs dialogs(out);
    KeySender sender(keyboard, dialogs);
    try {
        sender.SendKeys(command);
    } catch (const KeyCommandError& error) {
        dialogs.ShowApplicationError(error.what());
        return false;
    }
    return true;
}

}  // namespace pultara::keys
