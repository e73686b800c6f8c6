#include "actions/mode_commands.h"

#include <cstdint>
#include <exception>
#include <string_view>

#include "actions/program_launcher.h"
#include "engine/key_command.h"

namespace pultara {

namespace {

struct MouseToken {
    std::string_view text;  // upper case
    std::uint32_t down;
    std::uint32_t up;
};

// In the order their clicks are made, wherever they stand in a command.
constexpr MouseToken kMouseTokens[] = {
    {"{MCL}", kMouseLeftDown, kMouseLeftUp},
    {"{MCR}", kMouseRightDown, kMouseRightUp},
    {"{MCM}", kMouseMiddleDown, kMouseMiddleUp},
};

char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = AsciiUpper(c);
    }
    return upper;
}

// Removes every occurrence of upper-case `token` from `text`, ignoring the
// case of its letters, in one pass from the left: text that comes together
// only by a removal stays.
void RemoveIgnoringCase(std::string& text, std::string_view token) {
    const std::string upper = AsciiUpper(text);
    std::string kept;
    std::size_t from = 0;
    for (std::size_t at = upper.find(token); at != std::string::npos;
         at = upper.find(token, from)) {
        kept.append(text, from, at - from);
        from = at + token.size();
    }
    kept.append(text, from, std::string::npos);
    text = std::move(kept);
}

}  // namespace

ModeCommands::ModeCommands(const Profile& profile, EngineState& state, WindowFocus& focus,
                           KeySender& keys, Mouse& mouse, Processes& processes)
    : profile_(profile),
      state_(state),
      focus_(focus),
      keys_(keys),
      mouse_(mouse),
      processes_(processes) {}

// The foreground window is remembered before any window is touched; the
// focus restore at the end is skipped when the keys raise an error.
void ModeCommands::ExecuteButtonCommand(int button) {
    focus_.RememberForegroundWindow();
    const int mode = state_.activeMode;
    if (profile_.EnsureFocus(mode)) {
        ActivateModeTarget(mode);
    }
    std::string command = profile_.ButtonCommand(mode, button);
    if (!LaunchIfProgram(command)) {
        ClickMouseTokens(command);
        if (!command.empty()) {
            keys_.SendKeys(command);
        }
    }
    if (profile_.RestoreFocus()) {
        focus_.RestoreRememberedWindow();
    }
}

void ModeCommands::SendAxisKeys(const std::string& keys) {
    if (profile_.RestoreFocus()) {
        focus_.RememberForegroundWindow();
    }
    EnsureModeFocus();
    keys_.SendKeys(keys);
    if (profile_.RestoreFocus()) {
        focus_.RestoreRememberedWindow();
    }
}

void ModeCommands::ActivateModeTarget(int mode) {
    state_.activeMode = mode;
    const std::string title = profile_.Title(mode);
    const std::string program = profile_.Command(mode);
    const std::string parameters = profile_.Parameters(mode);
    if (profile_.TitleEnabled(mode) &&
        focus_.ActivateWindowByTitle(title, profile_.ForceForeground())) {
        return;
    }
    if (program.empty()) {
        return;
    }
    try {
        processes_.ShellOpen(program, parameters);
    } catch (const std::exception&) {
        // A program that cannot be opened is not reported.
    }
}

void ModeCommands::EnsureModeFocus() {
    const int mode = state_.activeMode;
    if (profile_.EnsureFocus(mode)) {
        ActivateModeTarget(mode);
    }
}

// A prefix counts only in a command of two or more characters, so a lone
// "#" or "!" is typed. "#" has done its work in the dispatcher (the command
// repeats while held) and is dropped; "!" runs the rest as a program.
bool ModeCommands::LaunchIfProgram(std::string& command) {
    command = std::string(WithoutRepeatMark(command));
    if (command.size() < 2 || command[0] != '!') {
        return false;
    }
    LaunchProgram(processes_, command.substr(1), "");
    return true;
}

// Each token clicks at most once, all clicks before any key of the command.
void ModeCommands::ClickMouseTokens(std::string& command) {
    const std::string upper = AsciiUpper(command);
    for (const MouseToken& token : kMouseTokens) {
        if (upper.find(token.text) != std::string::npos) {
            mouse_.SendButtonEvent(token.down);
            mouse_.SendButtonEvent(token.up);
        }
    }
    for (const MouseToken& token : kMouseTokens) {
        RemoveIgnoringCase(command, token.text);
    }
}

}  // namespace pultara
