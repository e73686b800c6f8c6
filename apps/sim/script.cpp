#include "script.h"

#include <set>

namespace pultara::sim {

namespace {

const std::set<std::string> kActions{
    "tray",     "taskbar-created", "click", "set",  "select", "enter",
    "minimise", "restore",         "close", "help", "rename", "wait"};

std::uint32_t Number(const std::string& word, std::uint32_t limit, const std::string& what) {
    std::size_t used = 0;
    unsigned long value = 0;
    try {
        value = std::stoul(word, &used, 0);
    } catch (const std::exception&) {
        throw std::invalid_argument(what + " is not a number: " + word);
    }
    if (used != word.size() || value > limit) {
        throw std::invalid_argument(what + " out of range: " + word);
    }
    return static_cast<std::uint32_t>(value);
}

// "0x005", "5" or a list of held buttons "[1,3]".
std::uint32_t ButtonMask(const std::string& word) {
    if (word.size() < 2 || word.front() != '[' || word.back() != ']') {
        return Number(word, 0xFFF, "button mask");
    }
    std::uint32_t mask = 0;
    std::string item;
    for (char c : word.substr(1, word.size() - 2) + ",") {
        if (c != ',') {
            item += c;
            continue;
        }
        if (!item.empty()) {
            mask |= 1U << (Number(item, 12, "button") - 1);
        }
        item.clear();
    }
    return mask;
}

ScriptStep SampleStep(const std::vector<std::string>& words) {
    if (words.size() != 4 && words.size() != 5) {
        throw std::invalid_argument("expected X Y Z BUTTONS [xCOUNT]");
    }
    ScriptStep step;
    step.sample = JoystickSample{Number(words[0], 65535, "X"), Number(words[1], 65535, "Y"),
                                 Number(words[2], 65535, "Z"), ButtonMask(words[3])};
    if (words.size() == 5) {
        if (words[4].size() < 2 || words[4][0] != 'x') {
            throw std::invalid_argument("repeat count must look like x10: " + words[4]);
        }
        step.ticks = static_cast<int>(Number(words[4].substr(1), 1000000, "repeat count"));
    }
    return step;
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& line) {
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
        throw std::invalid_argument("unterminated quotation");
    }
    if (any) {
        words.push_back(word);
    }
    return words;
}

std::vector<ScriptStep> ReadScript(std::istream& in, const std::string& name) {
    std::vector<ScriptStep> steps;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        try {
            const std::vector<std::string> words = SplitWords(text);
            if (words.empty() || words[0].starts_with("#")) {
                continue;
            }
            ScriptStep step;
            if (kActions.count(words[0])) {
                step.kind = ScriptStep::Kind::Action;
                step.words = words;
            } else {
                step = SampleStep(words);
            }
            step.line = line;
            steps.push_back(step);
        } catch (const std::invalid_argument& error) {
            throw InputError(name, line, error.what());
        }
    }
    return steps;
}

}  // namespace pultara::sim
