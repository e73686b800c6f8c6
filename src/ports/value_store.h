#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pultara {

// Value types of the per-user store, numbered like the registry's.
inline constexpr std::uint32_t kValueString = 1;        // REG_SZ
inline constexpr std::uint32_t kValueExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t kValueBinary = 3;        // REG_BINARY
inline constexpr std::uint32_t kValueDword = 4;         // REG_DWORD

// One stored value: its type number and raw data (strings as UTF-8 with
// their terminating zero byte, dwords as 4 little-endian bytes).
struct StoredValue {
    std::uint32_t type = kValueBinary;
    std::vector<std::uint8_t> data;
    bool operator==(const StoredValue&) const = default;
};

// An open key. Value names compare without regard to case. Destroying the
// key closes it.
class StoreKey {
public:
    virtual ~StoreKey() = default;
    virtual std::optional<StoredValue> Read(const std::string& name) = 0;
    virtual bool Write(const std::string& name, const StoredValue& value) = 0;
    // Closes the key now and keeps what was written. Returns false when that
    // could not be kept: a store that writes its medium only here (a file)
    // reports its failure this way. Later calls do nothing and return true.
    virtual bool Close() { return true; }
};

// Keys of the current user, by path ("\Software\..." is relative to the
// user's root).
class ValueStore {
public:
    virtual ~ValueStore() = default;
    // Opens an existing key for reading; null when it does not exist.
    virtual std::unique_ptr<StoreKey> OpenForRead(const std::string& path) = 0;
    // Opens a key for writing, creating it and every missing key above it;
    // null when that is not possible.
    virtual std::unique_ptr<StoreKey> CreateForWrite(const std::string& path) = 0;
    // Keeps an unchanged copy of the key, with every key below it, as a file
    // where the user can find it, before values the program could not read
    // are written over. Returns the copy's path; nullopt when no copy could
    // be kept.
    virtual std::optional<std::string> KeepCopy(const std::string& path) = 0;
};

}  // namespace pultara
