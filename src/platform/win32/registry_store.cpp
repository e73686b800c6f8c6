#include "platform/win32/registry_store.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>

#include "platform/filestore/file_access.h"
#include "platform/filestore/reg_document.h"
#include "platform/filestore/reg_writer.h"
#include "platform/filestore/text_encoding.h"
#include "platform/win32/wide_text.h"

namespace pultara::win32 {

namespace {

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// UTF-16 registry data as UTF-8 bytes ending in one zero byte.
std::vector<std::uint8_t> StringDataToUtf8(const std::vector<BYTE>& raw) {
    std::wstring wide(raw.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), raw.data(), wide.size() * sizeof(wchar_t));
    if (wide.empty() || wide.back() != L'\0') {
        wide.push_back(L'\0');
    }
    const std::string text = Narrow(wide);
    return {text.begin(), text.end()};
}

std::vector<BYTE> Utf8ToStringData(const std::vector<std::uint8_t>& data) {
    std::wstring wide = Widen(std::string(data.begin(), data.end()));
    if (wide.empty() || wide.back() != L'\0') {
        wide.push_back(L'\0');
    }
    std::vector<BYTE> raw(wide.size() * sizeof(wchar_t));
    std::memcpy(raw.data(), wide.data(), raw.size());
    return raw;
}

constexpr std::size_t kFirstReadBytes = 512;

// Calls `visit` with each value of `key` (strings as UTF-8, as Read gives
// them). Returns false when the key could not be listed to its end.
template <typename Visit>
bool ForEachValue(HKEY key, Visit visit) {
    DWORD longestName = 0;
    DWORD largestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &longestName, &largestData, nullptr, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> raw(largestData);
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(raw.size());
        DWORD type = 0;
        const LSTATUS status = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type,
                                             raw.empty() ? nullptr : raw.data(), &size);
        if (status == ERROR_NO_MORE_ITEMS) {
            return true;
        }
        if (status != ERROR_SUCCESS) {
            return false;  // changed while listed
        }
        StoredValue value;
        value.type = type;
        const std::vector<BYTE> data(raw.begin(), raw.begin() + size);
        value.data = IsStringType(type) && !data.empty()
                         ? StringDataToUtf8(data)
                         : std::vector<std::uint8_t>(data.begin(), data.end());
        visit(Narrow(name.data(), nameLength), value);
    }
}

// Adds `key` (named `fullPath`), its values and every key below it.
bool ExportKey(HKEY key, const std::string& fullPath, filestore::RegDocument& document) {
    document.Create(fullPath);
    bool whole = ForEachValue(key, [&](const std::string& name, const StoredValue& value) {
        document.Create(fullPath).Set(name, value);
    });
    wchar_t subkey[256];  // the longest name a key may have, and its zero
    for (DWORD index = 0; whole; ++index) {
        DWORD length = static_cast<DWORD>(std::size(subkey));
        const LSTATUS status =
            RegEnumKeyExW(key, index, subkey, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        HKEY child = nullptr;
        whole = status == ERROR_SUCCESS &&
                RegOpenKeyExW(key, subkey, 0, KEY_READ, &child) == ERROR_SUCCESS;
        if (whole) {
            whole = ExportKey(child, fullPath + "\\" + Narrow(subkey, length), document);
            RegCloseKey(child);
        }
    }
    return whole;
}

// The text of a registry export as regedit writes it: UTF-16 with its
// byte-order mark and CR LF line ends.
std::string RegeditFileBytes(const filestore::RegDocument& document) {
    std::string text;
    for (char c : filestore::WriteRegFile(document)) {
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const std::vector<std::uint8_t> wide = filestore::Utf8ToUtf16Le(text);
    return std::string("\xFF\xFE") + std::string(wide.begin(), wide.end());
}

class RegistryKey : public StoreKey {
public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() override { RegCloseKey(key_); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    std::optional<StoredValue> Read(const std::string& name) override {
        const std::wstring wideName = Widen(name);
        DWORD type = 0;
        // One request reads a short value (most settings are); a longer one
        // is read again in the size the registry reports, which may grow
        // meanwhile. Under Wine every request is a round trip to wineserver.
        std::vector<BYTE> raw(kFirstReadBytes);
        LSTATUS status = ERROR_MORE_DATA;
        for (int attempt = 0; attempt < 4 && status == ERROR_MORE_DATA; ++attempt) {
            DWORD size = static_cast<DWORD>(raw.size());
            status = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, raw.data(), &size);
            if (status == ERROR_SUCCESS) {
                raw.resize(size);
            } else if (status == ERROR_MORE_DATA) {
                raw.resize(std::max<std::size_t>(size, raw.size() * 2));
            }
        }
        if (status != ERROR_SUCCESS) {
            return std::nullopt;
        }
        StoredValue value;
        value.type = type;
        value.data = IsStringType(type) && !raw.empty()
                         ? StringDataToUtf8(raw)
                         : std::vector<std::uint8_t>(raw.begin(), raw.end());
        return value;
    }

    bool Write(const std::string& name, const StoredValue& value) override {
        const std::vector<BYTE> raw = IsStringType(value.type)
                                          ? Utf8ToStringData(value.data)
                                          : std::vector<BYTE>(value.data.begin(), value.data.end());
        return RegSetValueExW(key_, Widen(name).c_str(), 0, value.type,
                              raw.empty() ? nullptr : raw.data(),
                              static_cast<DWORD>(raw.size())) == ERROR_SUCCESS;
    }

private:
    HKEY key_;
};

}  // namespace

std::string RegistrySubkey(const std::string& path) {
    const std::size_t start = path.find_first_not_of('\\');
    return start == std::string::npos ? std::string() : path.substr(start);
}

std::unique_ptr<StoreKey> RegistryStore::OpenForRead(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(RegistrySubkey(path)).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<RegistryKey>(key);
}

std::optional<std::string> RegistryStore::KeepCopy(const std::string& path) {
    HKEY key = nullptr;
    const std::string subkey = RegistrySubkey(path);
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(subkey).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    filestore::RegDocument document;
    const bool whole = ExportKey(key, "HKEY_CURRENT_USER\\" + subkey, document);
    RegCloseKey(key);
    const std::filesystem::path copy = filestore::DamagedCopyName(filestore::DefaultSettingsFile());
    if (!whole || !filestore::ReplaceFileAtomically(copy, RegeditFileBytes(document))) {
        return std::nullopt;
    }
    return Narrow(copy.wstring());
}

std::unique_ptr<StoreKey> RegistryStore::CreateForWrite(const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Widen(RegistrySubkey(path)).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<RegistryKey>(key);
}

}  // namespace pultara::win32
