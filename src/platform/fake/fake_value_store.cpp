#include "platform/fake/fake_value_store.h"

#include <cctype>

#include "store/stored_values.h"

namespace pultara::fake {

namespace {

class FakeKey : public StoreKey {
public:
    FakeKey(FakeValueStore& store, CallLog& log, FakeValueStore::Values& values)
        : store_(store), log_(log), values_(values) {}
    ~FakeKey() override { Close(); }

    bool Close() override {
        if (closed_) {
            return true;
        }
        closed_ = true;
        log_.Add("RegCloseKey");
        return !store_.closeFails;
    }

    std::optional<StoredValue> Read(const std::string& name) override {
        if (store_.logValues) {
            log_.Add("RegQueryValueExA(" + Quoted(name) + ")");
        }
        auto it = values_.find(FakeValueStore::Normalise(name));
        if (it == values_.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    bool Write(const std::string& name, const StoredValue& value) override {
        if (store_.logValues) {
            log_.Add("RegSetValueExA(" + Quoted(name) + ", " + std::to_string(value.type) + ")");
        }
        ++writes_;
        if (store_.failWritesAfter > 0 && writes_ >= store_.failWritesAfter) {
            return false;
        }
        values_[FakeValueStore::Normalise(name)] = value;
        return true;
    }

private:
    FakeValueStore& store_;
    CallLog& log_;
    FakeValueStore::Values& values_;
    int writes_ = 0;
    bool closed_ = false;
};

}  // namespace

std::string FakeValueStore::Normalise(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (!lower.empty() && lower.front() == '\\') {
        lower.erase(0, 1);
    }
    return lower;
}

std::unique_ptr<StoreKey> FakeValueStore::OpenForRead(const std::string& path) {
    log_.Add("RegOpenKeyExA(" + Quoted(path) + ")");
    auto it = keys_.find(Normalise(path));
    if (it == keys_.end()) {
        return nullptr;
    }
    return std::make_unique<FakeKey>(*this, log_, it->second);
}

std::unique_ptr<StoreKey> FakeValueStore::CreateForWrite(const std::string& path) {
    log_.Add("RegCreateKeyExA(" + Quoted(path) + ")");
    if (createFails) {
        return nullptr;
    }
    return std::make_unique<FakeKey>(*this, log_, Key(path));
}

std::optional<std::string> FakeValueStore::KeepCopy(const std::string& path) {
    if (keepCopyFails) {
        return std::nullopt;
    }
    auto it = keys_.find(Normalise(path));
    copies.push_back(it != keys_.end() ? it->second : Values{});
    return "copy" + std::to_string(copies.size()) + ".reg";
}

FakeValueStore::Values& FakeValueStore::Key(const std::string& path) {
    return keys_[Normalise(path)];
}

bool FakeValueStore::HasKey(const std::string& path) const {
    return keys_.count(Normalise(path)) > 0;
}

std::optional<StoredValue> FakeValueStore::Get(const std::string& path,
                                               const std::string& name) const {
    auto key = keys_.find(Normalise(path));
    if (key == keys_.end()) {
        return std::nullopt;
    }
    auto value = key->second.find(Normalise(name));
    if (value == key->second.end()) {
        return std::nullopt;
    }
    return value->second;
}

void FakeValueStore::PutString(const std::string& path, const std::string& name,
                               const std::string& text) {
    Key(path)[Normalise(name)] = TextValue(text);
}

void FakeValueStore::PutDword(const std::string& path, const std::string& name,
                              std::uint32_t value) {
    Key(path)[Normalise(name)] = DwordValue(value);
}

}  // namespace pultara::fake
