#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "ports/value_store.h"

namespace pultara::filestore {

// One named value of a key.
struct RegValue {
    std::string name;  // "" is the key's default value ("@" in the file)
    StoredValue value;
    bool operator==(const RegValue&) const = default;
};

// A key with its values in the order they were first set. Value names
// compare without regard to (ASCII) case.
struct RegKey {
    std::string path;  // full path, "HKEY_CURRENT_USER\Software\..."
    std::vector<RegValue> values;

    const StoredValue* Find(std::string_view name) const;
    // Replaces the value of that name in place, or adds it at the end.
    void Set(std::string_view name, const StoredValue& value);
    void Remove(std::string_view name);
    bool operator==(const RegKey&) const = default;
};

// The keys of one file, in the order they appeared or were created. A key's
// parent keys always exist too, as in a registry.
class RegDocument {
public:
    const std::vector<RegKey>& Keys() const { return keys_; }
    RegKey* Find(std::string_view path);
    const RegKey* Find(std::string_view path) const;
    // The key, created with every missing parent when needed.
    RegKey& Create(std::string_view path);
    // Removes the key and every key below it.
    void Remove(std::string_view path);
    bool operator==(const RegDocument&) const = default;

private:
    std::vector<RegKey> keys_;
};

// The path without empty components ("A\\B\" is "A\B").
std::string NormaliseKeyPath(std::string_view path);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace pultara::filestore
