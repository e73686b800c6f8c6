#include "platform/fake/call_log.h"

#include <cstdio>

namespace pultara::fake {

std::vector<std::string> CallLog::Without(std::initializer_list<std::string_view> prefixes) const {
    std::vector<std::string> kept;
    for (const std::string& line : lines_) {
        bool drop = false;
        for (std::string_view prefix : prefixes) {
            drop = drop || std::string_view(line).starts_with(prefix);
        }
        if (!drop) {
            kept.push_back(line);
        }
    }
    return kept;
}

std::vector<std::string> CallLog::Only(std::string_view prefix) const {
    return Only({prefix});
}

std::vector<std::string> CallLog::Only(std::initializer_list<std::string_view> prefixes) const {
    std::vector<std::string> kept;
    for (const std::string& line : lines_) {
        for (std::string_view prefix : prefixes) {
            if (std::string_view(line).starts_with(prefix)) {
                kept.push_back(line);
                break;
            }
        }
    }
    return kept;
}

std::string Hex(std::uint32_t value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, static_cast<unsigned>(value));
    return buffer;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace pultara::fake
