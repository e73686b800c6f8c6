#pragma once
#include "ports/value_store.h"

namespace pultara::win32 {

// The current user's registry. Paths are relative to HKEY_CURRENT_USER; a
// leading backslash is dropped because the registry calls refuse it. Keys
// open with KEY_READ for reading and KEY_WRITE (creating missing keys,
// non-volatile) for writing. Strings are stored as the registry's UTF-16
// and handed to the core as UTF-8 with their terminating zero byte.
// Keeping a copy reads the key as it is.
class RegistryStore : public ValueStore {
public:
    std::unique_ptr<StoreKey> OpenForRead(const std::string& path) override;
    std::unique_ptr<StoreKey> CreateForWrite(const std::string& path) override;
    // Exports the key and the keys below it as regedit does (a UTF-16 ".reg"
    // file) to "settings-damaged-<time>.reg" in the user's application-data
    // folder, beside where the settings file would be.
    std::optional<std::string> KeepCopy(const std::string& path) override;
};

// The path as the registry calls take it.
std::string RegistrySubkey(const std::string& path);

}  // namespace pultara::win32
