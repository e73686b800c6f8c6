#include "actions/keysend/key_command_interpreter.h"

#include <optional>
#include <utility>

#include "actions/keysend/command_text.h"
#include "actions/keysend/key_name_table.h"
#include "actions/keysend/repeat_count.h"

namespace pultara {

namespace {

// Slots of the pending-modifier flags, in their release order.
enum PrefixModifier : std::size_t { kPrefixShift, kPrefixCtrl, kPrefixAlt };
constexpr std::array<std::uint8_t, 3> kModifierKeys{kVkShift, kVkControl, kVkMenu};
constexpr std::size_t kBraceTextLimit = 20;
// The braces themselves, typed as the US layout has them (Shift+[ and Shift+]).
constexpr std::uint16_t kOpeningBraceKeyCode = 0x01DB;
constexpr std::uint16_t kClosingBraceKeyCode = 0x01DD;

char32_t AsciiUpperCase(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - U'a' + U'A' : c;
}

// The brace text as a table name; nothing when it holds a non-ASCII character.
std::optional<std::string> AsciiName(const std::u32string& text) {
    std::string name;
    for (char32_t c : text) {
        if (c >= 0x80) {
            return std::nullopt;
        }
        name += static_cast<char>(c);
    }
    return name;
}

}  // namespace

KeyCommandInterpreter::KeyCommandInterpreter(Keyboard& keyboard, KeyErrorDisplay& errors,
                                             std::u32string command)
    : strokes_(keyboard), keyboard_(keyboard), errors_(errors), command_(std::move(command)) {}

void KeyCommandInterpreter::Run() {
    try {
        while (position_ < command_.size() && InterpretNext()) {
        }
    } catch (...) {
        ReleaseEveryPendingModifier();
        throw;
    }
    // Also when a group is still open: nothing may stay pressed after the
    // command.
    ReleaseEveryPendingModifier();
}

bool KeyCommandInterpreter::InterpretNext() {
    const char32_t c = command_[position_];
    switch (c) {
        case U'+': PressModifierPrefix(kPrefixShift); break;
        case U'^': PressModifierPrefix(kPrefixCtrl); break;
        case U'%': PressModifierPrefix(kPrefixAlt); break;
        case U'(': groupOpen_ = true; break;
        case U')':
            groupOpen_ = false;
            ReleasePendingModifiers();
            break;
        case U'~':
            strokes_.PressKey(kVkReturn, 1, true);
            ReleasePendingModifiers();
            break;
        case U'{': return InterpretBraceGroup();
        default: TypePlainCharacter(c); break;
    }
    ++position_;
    return true;
}

void KeyCommandInterpreter::PressModifierPrefix(std::size_t modifier) {
    pending_[modifier] = true;
    strokes_.PressKey(kModifierKeys[modifier], 1, false);
}

void KeyCommandInterpreter::TypePlainCharacter(char32_t character) {
    const std::uint16_t keyCode = LayoutKeyCode(character);
    if (keyCode == kNoKeyCode) {
        // The pending modifiers stay down for the next key typed.
        errors_.Show("Invalid KeyName");
        return;
    }
    TypeAndReleasePending(keyCode, 1);
}

// The position is on "{". Leaves it past the group; false when the group is
// not closed, which abandons the rest of the command.
bool KeyCommandInterpreter::InterpretBraceGroup() {
    if (position_ + 1 < command_.size() && command_[position_ + 1] == U'{') {
        TypeAndReleasePending(kOpeningBraceKeyCode, 1);
        position_ += 3;  // "{{}": the third character is not looked at
        return true;
    }
    std::optional<std::u32string> text = ReadBraceText();
    if (!text) {
        ReleaseEveryPendingModifier();
        errors_.Show("No Close");
        return false;
    }
    // Only an empty group followed by "}" is the "{}}" escape; after a named
    // group a "}" is an ordinary character.
    if (text->empty() && position_ < command_.size() && command_[position_] == U'}') {
        TypeAndReleasePending(kClosingBraceKeyCode, 1);
        ++position_;
        return true;
    }
    TypeBraceGroup(std::move(*text));
    return true;
}

// The upper-cased text up to the next "}" (its first characters only), with
// the position moved past that "}"; nothing when no "}" follows.
std::optional<std::u32string> KeyCommandInterpreter::ReadBraceText() {
    std::u32string text;
    std::size_t at = position_ + 1;
    for (; at < command_.size() && command_[at] != U'}'; ++at) {
        if (text.size() < kBraceTextLimit) {
            text += AsciiUpperCase(command_[at]);
        }
    }
    if (at == command_.size()) {
        return std::nullopt;
    }
    position_ = at + 1;
    return text;
}

// A closed group's text: a key name or one character, then maybe a count.
void KeyCommandInterpreter::TypeBraceGroup(std::u32string text) {
    std::uint16_t count = 1;
    if (const std::size_t space = text.find(U' '); space != std::u32string::npos) {
        count = ParseRepeatCount(EncodeUtf8(text.substr(space + 1)));
        text.resize(space);
    }
    const std::uint16_t keyCode = text.size() == 1 ? LayoutKeyCode(text[0]) : FindKeyName(text);
    if (keyCode != kNoKeyCode) {
        TypeAndReleasePending(keyCode, count);
    }
}

std::uint16_t KeyCommandInterpreter::LayoutKeyCode(char32_t character) {
    if (IsUndecodableByte(character)) {
        return kNoKeyCode;
    }
    return keyboard_.KeyCodeForCharacter(character);
}

std::uint16_t KeyCommandInterpreter::FindKeyName(const std::u32string& text) {
    if (const std::optional<std::string> name = AsciiName(text)) {
        if (const std::optional<std::uint8_t> virtualKey = LookUpKeyName(*name)) {
            return *virtualKey;
        }
    }
    errors_.Show("Invalid Key Name");
    return kNoKeyCode;
}

void KeyCommandInterpreter::TypeAndReleasePending(std::uint16_t keyCode, std::uint16_t count) {
    strokes_.TypeKeyCode(keyCode, count);
    ReleasePendingModifiers();
}

// Inside a group the prefix modifiers stay down until its ")".
void KeyCommandInterpreter::ReleasePendingModifiers() {
    if (!groupOpen_) {
        ReleaseEveryPendingModifier();
    }
}

void KeyCommandInterpreter::ReleaseEveryPendingModifier() {
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        if (pending_[i]) {
            strokes_.ReleaseModifierKey(kModifierKeys[i]);
            pending_[i] = false;
        }
    }
}

}  // namespace pultara
