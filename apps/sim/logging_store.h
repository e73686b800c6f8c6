#pragma once
#include <memory>

#include "platform/fake/call_log.h"
#include "ports/value_store.h"

namespace pultara::sim {

// Passes every call to another store and logs it as the registry call it
// stands for (keeping a copy is only passed on).
class LoggingStore : public ValueStore {
public:
    LoggingStore(ValueStore& inner, fake::CallLog& log) : inner_(inner), log_(log) {}
    std::unique_ptr<StoreKey> OpenForRead(const std::string& path) override;
    std::unique_ptr<StoreKey> CreateForWrite(const std::string& path) override;
    std::optional<std::string> KeepCopy(const std::string& path) override {
        return inner_.KeepCopy(path);
    }

private:
    ValueStore& inner_;
    fake::CallLog& log_;
};

}  // namespace pultara::sim
