#include "store/names_store.h"

#include <memory>

#include "store/key_writer.h"
#include "store/stored_values.h"

namespace pultara {

namespace {

std::string ValueName(int button) {
    return "name" + std::to_string(button);
}

}  // namespace

NamesStore::NamesStore(Profile& profile, ValueStore& store, Dialogs& dialogs)
    : profile_(profile), store_(store), dialogs_(dialogs) {}

void NamesStore::LoadButtonNames() {
    std::unique_ptr<StoreKey> key = store_.OpenForRead(kNamesKeyPath);
    if (!key) {
        return;
    }
    for (int button = 1; button <= kButtonCount; ++button) {
        std::optional<std::string> name = ReadText(key->Read(ValueName(button)));
        if (!name) {
            return;
        }
        profile_.SetButtonName(button, *name);
    }
}

SaveResult NamesStore::SaveButtonNames() {
    std::vector<NamedValue> values;
    for (int button = 1; button <= kButtonCount; ++button) {
        values.push_back({ValueName(button), TextValue(profile_.ButtonName(button))});
    }
    std::unique_ptr<StoreKey> key = store_.CreateForWrite(kNamesKeyPath);
    return WriteValues(key.get(), values, dialogs_);
}

void NamesStore::ResetButtonNames() {
    for (int button = 1; button <= kButtonCount; ++button) {
        profile_.SetButtonName(button, Profile::DefaultButtonName(button));
    }
}

}  // namespace pultara
