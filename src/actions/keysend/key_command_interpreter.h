#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "actions/keysend/key_error_display.h"
#include "actions/keysend/key_strokes.h"
#include "ports/keyboard.h"

namespace pultara {

// One run of one KeyCommand: reads the command left to right and types it.
// Everything it tracks lives in this object, which lives for one call only,
// so a command started inside an error box of another never disturbs it.
class KeyCommandInterpreter {
public:
    KeyCommandInterpreter(Keyboard& keyboard, KeyErrorDisplay& errors, std::u32string command);

    // Types the command. However it ends (done, abandoned at an unclosed
    // brace, or by a KeyCommandError), the modifiers that its "+", "^" and
    // "%" pressed are released again.
    void Run();

private:
    bool InterpretNext();  // false when the rest of the command is abandoned
    void PressModifierPrefix(std::size_t modifier);
    void TypePlainCharacter(char32_t character);
    bool InterpretBraceGroup();
    std::optional<std::u32string> ReadBraceText();
    void TypeBraceGroup(std::u32string text);
    std::uint16_t LayoutKeyCode(char32_t character);
    std::uint16_t FindKeyName(const std::u32string& text);
    void TypeAndReleasePending(std::uint16_t keyCode, std::uint16_t count);
    void ReleasePendingModifiers();
    void ReleaseEveryPendingModifier();

    KeyStrokes strokes_;
    Keyboard& keyboard_;
    KeyErrorDisplay& errors_;
    std::u32string command_;
    std::size_t position_ = 0;
    bool groupOpen_ = false;
    std::array<bool, 3> pending_{};  // Shift, Ctrl, Alt pressed by a prefix
};

}  // namespace pultara
