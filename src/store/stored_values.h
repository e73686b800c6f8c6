#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "ports/value_store.h"

namespace pultara {

// Where the settings and the button names live under the current user.
inline constexpr const char* kSettingsKeyPath = "\\Software\\Orvendt\\tevorin";
inline constexpr const char* kNamesKeyPath = "\\Software\\Orvendt\\tevorin\\names";

// A string value: the text's bytes and one terminating zero.
StoredValue TextValue(const std::string& text);
// A dword value: four little-endian bytes.
StoredValue DwordValue(std::uint32_t number);

// The text read rule: a missing value or one without data reads as "";
// string and expandable-string values give their text up to the first zero
// byte (not expanded); any other type with data is a read error (nullopt).
std::optional<std::string> ReadText(const std::optional<StoredValue>& value);
// The number read rule: the value must exist, be a dword and hold four
// bytes; anything else is a read error (nullopt).
std::optional<std::uint32_t> ReadDword(const std::optional<StoredValue>& value);

}  // namespace pultara
