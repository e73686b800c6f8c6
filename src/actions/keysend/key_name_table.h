#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pultara {

// One name that a brace group may hold, with the virtual key it types.
struct KeyName {
    std::string_view name;  // upper-case ASCII
    std::uint8_t virtualKey;
};

// Every key name the language knows. A few names occur twice with the same
// key; lookups search the whole table, so the duplicates change nothing.
extern const std::array<KeyName, 89> kKeyNameTable;

// The virtual key of an upper-case key name, or nothing for an unknown name.
std::optional<std::uint8_t> LookUpKeyName(std::string_view upperCaseName);

// Keys that are always sent with the extended flag, whatever produced them.
bool IsExtendedKey(std::uint8_t virtualKey);

}  // namespace pultara
