#include "platform/filestore/reg_document.h"

#include <algorithm>

namespace pultara::filestore {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `path` is `ancestor` or lies below it.
bool IsWithin(std::string_view path, std::string_view ancestor) {
    if (path.size() < ancestor.size() ||
        !EqualsIgnoringCase(path.substr(0, ancestor.size()), ancestor)) {
        return false;
    }
    return path.size() == ancestor.size() || path[ancestor.size()] == '\\';
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string NormaliseKeyPath(std::string_view path) {
    std::string out;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) {
            if (!out.empty()) {
                out += '\\';
            }
            out.append(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return out;
}

const StoredValue* RegKey::Find(std::string_view name) const {
    for (const RegValue& v : values) {
        if (EqualsIgnoringCase(v.name, name)) {
            return &v.value;
        }
    }
    return nullptr;
}

void RegKey::Set(std::string_view name, const StoredValue& value) {
    for (RegValue& v : values) {
        if (EqualsIgnoringCase(v.name, name)) {
            v.value = value;
            return;
        }
    }
    values.push_back({std::string(name), value});
}

void RegKey::Remove(std::string_view name) {
    std::erase_if(values, [&](const RegValue& v) { return EqualsIgnoringCase(v.name, name); });
}

RegKey* RegDocument::Find(std::string_view path) {
    std::string wanted = NormaliseKeyPath(path);
    for (RegKey& key : keys_) {
        if (EqualsIgnoringCase(key.path, wanted)) {
            return &key;
        }
    }
    return nullptr;
}

const RegKey* RegDocument::Find(std::string_view path) const {
    return const_cast<RegDocument*>(this)->Find(path);
}

RegKey& RegDocument::Create(std::string_view path) {
    std::string wanted = NormaliseKeyPath(path);
    // Parents first, so that a file lists a key after the keys above it.
    for (std::size_t slash = wanted.find('\\'); slash != std::string::npos;
         slash = wanted.find('\\', slash + 1)) {
        if (Find(wanted.substr(0, slash)) == nullptr) {
            keys_.push_back({wanted.substr(0, slash), {}});
        }
    }
    if (RegKey* key = Find(wanted)) {
        return *key;
    }
    keys_.push_back({wanted, {}});
    return keys_.back();
}

void RegDocument::Remove(std::string_view path) {
    std::string gone = NormaliseKeyPath(path);
    std::erase_if(keys_, [&](const RegKey& key) { return IsWithin(key.path, gone); });
}

}  // namespace pultara::filestore
