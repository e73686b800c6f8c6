#pragma once
#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ports/joystick.h"

namespace pultara::sim {

// A line of an input file that cannot be read.
class InputError : public std::runtime_error {
public:
    InputError(const std::string& file, int line, const std::string& message)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + message) {}
};

// One step of a joystick script: `ticks` poll ticks with one sample, or a
// user action carried out before the next tick.
struct ScriptStep {
    enum class Kind { Sample, Action };
    Kind kind = Kind::Sample;
    JoystickSample sample;
    int ticks = 1;
    std::vector<std::string> words;  // the action and its arguments
    int line = 0;
};

// Reads a joystick script (format in docs/pultara-sim.md).
std::vector<ScriptStep> ReadScript(std::istream& in, const std::string& name);

// Splits a line into words; "double quotes" group blanks.
std::vector<std::string> SplitWords(const std::string& line);

}  // namespace pultara::sim
