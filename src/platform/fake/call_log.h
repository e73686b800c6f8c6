#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pultara::fake {

// Every platform call the doubles receive, one line each, in order. Tests
// assert on these lines; the simulator prints them.
class CallLog {
public:
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear() { lines_.clear(); }
    // The lines that do not start with any of `prefixes`.
    std::vector<std::string> Without(std::initializer_list<std::string_view> prefixes) const;
    // The lines that start with `prefix`.
    std::vector<std::string> Only(std::string_view prefix) const;
    // The lines that start with any of `prefixes`.
    std::vector<std::string> Only(std::initializer_list<std::string_view> prefixes) const;

private:
    std::vector<std::string> lines_;
};

// "0x1A" style, upper-case digits, at least `digits` of them.
std::string Hex(std::uint32_t value, int digits = 2);
// The text in double quotes, as the log shows strings.
std::string Quoted(std::string_view text);

}  // namespace pultara::fake
