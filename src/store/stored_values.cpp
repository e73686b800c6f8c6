#include "store/stored_values.h"

#include <algorithm>

namespace pultara {

StoredValue TextValue(const std::string& text) {
    StoredValue value{kValueString, std::vector<std::uint8_t>(text.begin(), text.end())};
    value.data.push_back(0);
    return value;
}

StoredValue DwordValue(std::uint32_t number) {
    return {kValueDword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

std::optional<std::string> ReadText(const std::optional<StoredValue>& value) {
    if (!value || value->data.empty()) {
        return std::string();
    }
    if (value->type != kValueString && value->type != kValueExpandString) {
        return std::nullopt;
    }
    auto end = std::find(value->data.begin(), value->data.end(), std::uint8_t{0});
    return std::string(value->data.begin(), end);
}

std::optional<std::uint32_t> ReadDword(const std::optional<StoredValue>& value) {
    // A dword of another length cannot be read as one, like a wrong type.
    if (!value || value->type != kValueDword || value->data.size() != 4) {
        return std::nullopt;
    }
    const auto& d = value->data;
    return static_cast<std::uint32_t>(d[0]) | static_cast<std::uint32_t>(d[1]) << 8 |
           static_cast<std::uint32_t>(d[2]) << 16 | static_cast<std::uint32_t>(d[3]) << 24;
}

}  // namespace pultara
