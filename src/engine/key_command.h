#pragma once
#include <string_view>

namespace pultara {

// A KeyCommand of two or more characters that starts with "#" repeats: its
// button runs it on every tick while held and its box is left alone. The
// mark is not typed. A lone "#" is an ordinary command that types "#".
inline bool IsRepeatingCommand(std::string_view command) {
    return command.size() >= 2 && command[0] == '#';
}

// `command` without its repeat mark.
inline std::string_view WithoutRepeatMark(std::string_view command) {
    return IsRepeatingCommand(command) ? command.substr(1) : command;
}

}  // namespace pultara
