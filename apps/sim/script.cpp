#include "script.h"

#include <iterator>

namespace pultara::sim {

std::vector<ScriptStep> ReadScript(std::istream& in, const std::string& name) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
        return ReadJoystickScript(text);
    } catch (const ScriptError& error) {
        throw InputError(name, error.Line(), error.what());
    }
}

}  // namespace pultara::sim
