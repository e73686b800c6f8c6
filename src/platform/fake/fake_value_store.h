#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake/call_log.h"
#include "ports/value_store.h"

namespace pultara::fake {

// An in-memory registry of the current user. Paths and value names compare
// without regard to case (ASCII). Logs `RegOpenKeyExA("PATH")`,
// `RegCreateKeyExA("PATH")`, `RegQueryValueExA("NAME")`,
// `RegSetValueExA("NAME", TYPE)` and `RegCloseKey`; keeping a copy is not
// logged.
class FakeValueStore : public ValueStore {
public:
    using Values = std::map<std::string, StoredValue>;  // keyed by lower-case name

    explicit FakeValueStore(CallLog& log) : log_(log) {}

    std::unique_ptr<StoreKey> OpenForRead(const std::string& path) override;
    std::unique_ptr<StoreKey> CreateForWrite(const std::string& path) override;
    // Keeps the key's values in `copies`; named "copy1.reg", "copy2.reg", ...
    std::optional<std::string> KeepCopy(const std::string& path) override;

    // Direct access for tests; creates the key.
    Values& Key(const std::string& path);
    bool HasKey(const std::string& path) const;
    std::optional<StoredValue> Get(const std::string& path, const std::string& name) const;
    void PutString(const std::string& path, const std::string& name, const std::string& text);
    void PutDword(const std::string& path, const std::string& name, std::uint32_t value);

    bool logValues = true;
    bool createFails = false;
    // Closing a key reports that what was written could not be kept.
    bool closeFails = false;
    // Writes fail from the `failWritesAfter`-th write of a key on (0 = never).
    int failWritesAfter = 0;
    bool keepCopyFails = false;
    // The keys as they were when KeepCopy was asked, in order.
    std::vector<Values> copies;

    static std::string Normalise(const std::string& text);

private:
    CallLog& log_;
    std::map<std::string, Values> keys_;
};

}  // namespace pultara::fake
