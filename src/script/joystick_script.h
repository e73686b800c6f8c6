#pragma once
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ports/joystick.h"

namespace pultara {

// A line of a joystick script that cannot be read: the line number and a
// message that names the word at fault.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};

// One step of a joystick script: `ticks` poll ticks with one sample, or a
// user action carried out before the next tick.
struct ScriptStep {
    enum class Kind { Sample, Action };
    Kind kind = Kind::Sample;
    JoystickSample sample;
    int ticks = 1;
    // An action and its arguments, as written ("set", "EditM1b1", "Hallo~").
    std::vector<std::string> words;
    // The numeric argument of "wait", "select" and "rename", checked.
    std::int64_t number = 0;
    int line = 0;
};

// Reads a joystick script (format in docs/pultara-sim.md): sample lines
// "X Y Z BUTTONS [xCOUNT]" and action lines, each checked for its words and
// their ranges. Throws ScriptError on the first line it cannot read.
std::vector<ScriptStep> ReadJoystickScript(std::string_view text);

// Checks the control named by each "click", "enter", "set" and "select"
// with `exists`; throws ScriptError on the first name it does not know.
void CheckControlNames(const std::vector<ScriptStep>& steps,
                       const std::function<bool(const std::string&)>& exists);

// Splits a line into words; "double quotes" group blanks. Throws
// std::invalid_argument on an unterminated quotation.
std::vector<std::string> SplitWords(std::string_view line);

}  // namespace pultara
