#include "demo_joystick.h"

#include <cctype>
#include <charconv>
#include <sstream>

namespace pultara::qt {

namespace {

bool ParseNumber(const std::string& token, std::uint64_t& value) {
    const bool hex = token.starts_with("0x") || token.starts_with("0X");
    const char* begin = token.data() + (hex ? 2 : 0);
    const char* end = token.data() + token.size();
    const auto result = std::from_chars(begin, end, value, hex ? 16 : 10);
    return begin != end && result.ec == std::errc() && result.ptr == end;
}

// "[1,12]": the held buttons as a list.
bool ParseButtonList(const std::string& token, std::uint64_t& mask) {
    if (!token.ends_with("]")) {
        return false;
    }
    mask = 0;
    std::istringstream in(token.substr(1, token.size() - 2));
    for (std::string item; std::getline(in, item, ',');) {
        std::uint64_t button = 0;
        if (!ParseNumber(item, button) || button < 1 || button > 12) {
            return false;
        }
        mask |= 1u << (button - 1);
    }
    return true;
}

bool IsSampleLine(const std::string& line) {
    const auto first = line.find_first_not_of(" \t");
    return first != std::string::npos && std::isdigit(static_cast<unsigned char>(line[first]));
}

std::optional<ScriptStep> ParseLine(const std::string& line, std::string& message) {
    std::istringstream in(line);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) {
        tokens.push_back(token);
    }
    if (tokens.size() < 4 || tokens.size() > 5) {
        message = "expected \"X Y Z BUTTONS [xCOUNT]\"";
        return std::nullopt;
    }
    std::uint64_t values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const bool ok = i == 3 && tokens[i].starts_with("[") ? ParseButtonList(tokens[i], values[i])
                                                             : ParseNumber(tokens[i], values[i]);
        if (!ok || values[i] > (i < 3 ? 65535u : 0xFFFu)) {
            message = "\"" + tokens[i] + "\" is not " +
                      (i < 3 ? "a position 0..65535" : "a button mask 0..0xFFF");
            return std::nullopt;
        }
    }
    ScriptStep step{{static_cast<std::uint32_t>(values[0]), static_cast<std::uint32_t>(values[1]),
                     static_cast<std::uint32_t>(values[2]), static_cast<std::uint32_t>(values[3])},
                    1};
    if (tokens.size() == 5) {
        std::uint64_t count = 0;
        if (!tokens[4].starts_with("x") || !ParseNumber(tokens[4].substr(1), count) || count == 0 ||
            count > 1000000) {
            message = "\"" + tokens[4] + "\" is not a repeat count x1..x1000000";
            return std::nullopt;
        }
        step.ticks = static_cast<int>(count);
    }
    return step;
}

}  // namespace

std::vector<ScriptStep> ReadJoystickScript(const std::string& text,
                                           std::optional<ScriptError>& error) {
    std::vector<ScriptStep> steps;
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const auto first = line.find_first_not_of(" \t\r");
        // Action lines of the simulator's scripts (set, click, wait ...) need
        // a user; the demo plays only the joystick's lines.
        if (first == std::string::npos || line[first] == '#' || !IsSampleLine(line)) {
            continue;
        }
        std::string message;
        if (std::optional<ScriptStep> step = ParseLine(line, message)) {
            steps.push_back(*step);
        } else {
            error = ScriptError{number, message};
            return {};
        }
    }
    return steps;
}

DemoJoystick::DemoJoystick(std::vector<ScriptStep> steps) : steps_(std::move(steps)) {}

void DemoJoystick::NextTick() {
    if (Finished()) {
        return;
    }
    joystick_.Set(steps_[step_].sample);
    if (++tickInStep_ >= steps_[step_].ticks) {
        ++step_;
        tickInStep_ = 0;
    }
}

}  // namespace pultara::qt
