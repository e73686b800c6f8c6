#include "script/joystick_script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <map>

#include "text/utf8.h"

namespace pultara {

namespace {

constexpr std::uint64_t kMaxPosition = 65535;
constexpr std::uint64_t kMaxButtonMask = 0xFFF;
constexpr std::uint64_t kMaxRepeat = 1000000;
constexpr std::uint64_t kMaxWait = 86400000;  // a simulated day
constexpr std::uint64_t kMaxListIndex = 65535;

std::invalid_argument Bad(const std::string& word, const std::string& what) {
    return std::invalid_argument("\"" + word + "\" is not " + what);
}

// A whole number in decimal or 0x hex, nothing else around it.
bool ParseUnsigned(std::string_view word, std::uint64_t& value) {
    const bool hex = word.starts_with("0x") || word.starts_with("0X");
    const char* begin = word.data() + (hex ? 2 : 0);
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(begin, end, value, hex ? 16 : 10);
    return begin != end && result.ec == std::errc() && result.ptr == end;
}

std::string Range(std::uint64_t low, std::uint64_t high) {
    return " (" + std::to_string(low) + ".." + std::to_string(high) + ")";
}

std::uint64_t Unsigned(const std::string& word, std::uint64_t low, std::uint64_t high,
                       const std::string& what) {
    std::uint64_t value = 0;
    if (!ParseUnsigned(word, value) || value < low || value > high) {
        throw Bad(word, what + Range(low, high));
    }
    return value;
}

// "0x005", "5" or a list of held buttons "[1,3]".
std::uint32_t ButtonMask(const std::string& word) {
    if (!word.starts_with("[")) {
        return static_cast<std::uint32_t>(Unsigned(word, 0, kMaxButtonMask, "a button mask"));
    }
    const std::invalid_argument bad = Bad(word, "a list of buttons 1..12 like [1,12]");
    if (!word.ends_with("]")) {
        throw bad;
    }
    std::uint32_t mask = 0;
    const std::string inner = word.substr(1, word.size() - 2);
    std::size_t start = 0;
    while (start < inner.size()) {
        const std::size_t comma = std::min(inner.find(',', start), inner.size());
        std::uint64_t button = 0;
        if (!ParseUnsigned(inner.substr(start, comma - start), button) || button < 1 ||
            button > 12) {
            throw bad;
        }
        mask |= 1U << (button - 1);
        start = comma + 1;
    }
    return mask;
}

ScriptStep SampleStep(const std::vector<std::string>& words) {
    if (words[0].find_first_not_of("0123456789") == 0) {
        throw std::invalid_argument("unknown action \"" + words[0] + "\"");
    }
    if (words.size() != 4 && words.size() != 5) {
        throw std::invalid_argument("expected \"X Y Z BUTTONS [xCOUNT]\", not " +
                                    std::to_string(words.size()) + " words");
    }
    ScriptStep step;
    step.sample = JoystickSample{
        static_cast<std::uint32_t>(Unsigned(words[0], 0, kMaxPosition, "a position")),
        static_cast<std::uint32_t>(Unsigned(words[1], 0, kMaxPosition, "a position")),
        static_cast<std::uint32_t>(Unsigned(words[2], 0, kMaxPosition, "a position")),
        ButtonMask(words[3])};
    if (words.size() == 5) {
        const std::string& count = words[4];
        std::uint64_t ticks = 0;
        if (!count.starts_with("x") || !ParseUnsigned(count.substr(1), ticks) || ticks < 1 ||
            ticks > kMaxRepeat) {
            throw Bad(count, "a repeat count (x1..x" + std::to_string(kMaxRepeat) + ")");
        }
        step.ticks = static_cast<int>(ticks);
    }
    return step;
}

// What each action takes after its name.
enum class Argument { None, Name, NameText, NameIndex, Button, TrayButton, Milliseconds };

const std::map<std::string, Argument, std::less<>>& Actions() {
    static const std::map<std::string, Argument, std::less<>> actions{
        {"tray", Argument::TrayButton},   {"taskbar-created", Argument::None},
        {"click", Argument::Name},        {"enter", Argument::Name},
        {"set", Argument::NameText},      {"select", Argument::NameIndex},
        {"minimise", Argument::None},     {"restore", Argument::None},
        {"close", Argument::None},        {"rename", Argument::Button},
        {"wait", Argument::Milliseconds}, {"unplug", Argument::None},
        {"plug", Argument::None}};
    return actions;
}

std::size_t WordsOf(Argument argument) {
    switch (argument) {
        case Argument::None: return 1;
        case Argument::Name:
        case Argument::TrayButton:
        case Argument::Milliseconds: return 2;
        case Argument::NameText:
        case Argument::NameIndex:
        case Argument::Button: return 3;
    }
    return 1;
}

ScriptStep ActionStep(std::vector<std::string> words, Argument argument) {
    const std::size_t wanted = WordsOf(argument);
    if (words.size() != wanted) {
        throw std::invalid_argument("\"" + words[0] + "\" takes " + std::to_string(wanted - 1) +
                                    " argument(s), not " + std::to_string(words.size() - 1));
    }
    ScriptStep step;
    step.kind = ScriptStep::Kind::Action;
    switch (argument) {
        case Argument::TrayButton:
            if (words[1] != "left" && words[1] != "right") {
                throw Bad(words[1], "a tray button (left or right)");
            }
            break;
        case Argument::Milliseconds:
            step.number = static_cast<std::int64_t>(
                Unsigned(words[1], 0, kMaxWait, "a time in milliseconds"));
            break;
        case Argument::NameIndex: {
            // -1 clears the selection.
            std::uint64_t index = 0;
            if (words[2] != "-1" && (!ParseUnsigned(words[2], index) || index > kMaxListIndex)) {
                throw Bad(words[2], "a list entry (-1.." + std::to_string(kMaxListIndex) + ")");
            }
            step.number = words[2] == "-1" ? -1 : static_cast<std::int64_t>(index);
            break;
        }
        case Argument::Button:
            step.number = static_cast<std::int64_t>(Unsigned(words[1], 1, 12, "a button number"));
            break;
        default: break;
    }
    step.words = std::move(words);
    return step;
}

// A line of a file that is not text (a picture, a program) would end up in
// the error message byte for byte and garble the terminal: the first byte
// that is neither printable UTF-8 nor a tab is named by its value and column.
void CheckText(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size()) {
        const auto byte = static_cast<unsigned char>(line[at]);
        const Utf8Sequence sequence = DecodeUtf8At(line, at);
        const bool control = sequence.character < 0x20 || sequence.character == 0x7F ||
                             (sequence.character >= 0x80 && sequence.character < 0xA0);
        if (sequence.length == 0 || (control && byte != '\t' && byte != '\r')) {
            std::array<char, 8> hex{};
            std::snprintf(hex.data(), hex.size(), "0x%02X", byte);
            throw std::invalid_argument("byte " + std::string(hex.data()) + " at column " +
                                        std::to_string(at + 1) +
                                        " is not text: not a joystick script?");
        }
        at += sequence.length;
    }
}

}  // namespace

std::vector<std::string> SplitWords(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t' || c == '\r') && !quoted) {
            if (any) {
                words.push_back(word);
            }
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (quoted) {
        throw std::invalid_argument("unterminated quotation: \"" + word);
    }
    if (any) {
        words.push_back(word);
    }
    return words;
}

std::vector<ScriptStep> ReadJoystickScript(std::string_view text) {
    std::vector<ScriptStep> steps;
    int line = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        ++line;
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view content = text.substr(start, end - start);
        start = end + 1;
        try {
            CheckText(content);
            std::vector<std::string> words = SplitWords(content);
            if (words.empty() || words[0].starts_with("#")) {
                continue;
            }
            const auto action = Actions().find(words[0]);
            ScriptStep step = action != Actions().end()
                                  ? ActionStep(std::move(words), action->second)
                                  : SampleStep(words);
            step.line = line;
            steps.push_back(std::move(step));
        } catch (const std::invalid_argument& error) {
            throw ScriptError(line, error.what());
        }
    }
    return steps;
}

void CheckControlNames(const std::vector<ScriptStep>& steps,
                       const std::function<bool(const std::string&)>& exists) {
    for (const ScriptStep& step : steps) {
        if (step.kind != ScriptStep::Kind::Action) {
            continue;
        }
        const auto action = Actions().find(step.words[0]);
        const Argument argument = action->second;
        const bool namesControl = argument == Argument::Name || argument == Argument::NameText ||
                                  argument == Argument::NameIndex;
        if (namesControl && !exists(step.words[1])) {
            throw ScriptError(step.line, "\"" + step.words[1] + "\" is not a control");
        }
    }
}

}  // namespace pultara
