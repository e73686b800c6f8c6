#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/profile.h"

namespace pultara {

// How a setting is kept under the settings key.
enum class SettingKind {
    Boolean,  // dword 0 or 1; any nonzero dword reads as true
    Text,     // string
    Number,   // dword: list positions (-1 as 0xFFFFFFFF), mouse speed, poll interval
};

// One stored value: its name and how it moves between the Profile and the
// store. Text entries use `text`/`setText`, the others `number`/`setNumber`.
struct SettingEntry {
    std::string name;
    SettingKind kind;
    std::function<std::string(const Profile&)> text;
    std::function<void(Profile&, const std::string&)> setText;
    std::function<std::uint32_t(const Profile&)> number;
    std::function<void(Profile&, std::uint32_t)> setNumber;
};

// The 86 stored values in the one order that save and load walk: the block
// of each mode 1..4, then the global values.
const std::vector<SettingEntry>& SettingsTable();

}  // namespace pultara
