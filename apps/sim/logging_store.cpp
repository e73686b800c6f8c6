#include "logging_store.h"

namespace pultara::sim {

namespace {

class LoggingKey : public StoreKey {
public:
    LoggingKey(std::unique_ptr<StoreKey> inner, fake::CallLog& log)
        : inner_(std::move(inner)), log_(log) {}
    ~LoggingKey() override {
        if (!closed_) {
            log_.Add("RegCloseKey");
        }
    }
    std::optional<StoredValue> Read(const std::string& name) override {
        log_.Add("RegQueryValueExA(" + fake::Quoted(name) + ")");
        return inner_->Read(name);
    }
    bool Write(const std::string& name, const StoredValue& value) override {
        log_.Add("RegSetValueExA(" + fake::Quoted(name) + ", " + std::to_string(value.type) + ")");
        return inner_->Write(name, value);
    }
    bool Close() override {
        if (closed_) {
            return true;
        }
        log_.Add("RegCloseKey");
        closed_ = true;
        return inner_->Close();
    }

private:
    std::unique_ptr<StoreKey> inner_;
    fake::CallLog& log_;
    bool closed_ = false;
};

std::unique_ptr<StoreKey> Wrap(std::unique_ptr<StoreKey> key, fake::CallLog& log) {
    if (!key) {
        return nullptr;
    }
    return std::make_unique<LoggingKey>(std::move(key), log);
}

}  // namespace

std::unique_ptr<StoreKey> LoggingStore::OpenForRead(const std::string& path) {
    log_.Add("RegOpenKeyExA(" + fake::Quoted(path) + ")");
    return Wrap(inner_.OpenForRead(path), log_);
}

std::unique_ptr<StoreKey> LoggingStore::CreateForWrite(const std::string& path) {
    log_.Add("RegCreateKeyExA(" + fake::Quoted(path) + ")");
    return Wrap(inner_.CreateForWrite(path), log_);
}

}  // namespace pultara::sim
