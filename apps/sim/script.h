#pragma once
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "script/joystick_script.h"

namespace pultara::sim {

// A line of an input file that cannot be read.
class InputError : public std::runtime_error {
public:
    InputError(const std::string& file, int line, const std::string& message)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + message) {}
};

using pultara::ScriptStep;
using pultara::SplitWords;

// Reads the joystick script of file `name`; a line it cannot read is an
// InputError.
std::vector<ScriptStep> ReadScript(std::istream& in, const std::string& name);

}  // namespace pultara::sim
