#include "store/settings_store.h"

#include <memory>

#include "store/settings_table.h"
#include "store/stored_values.h"

namespace pultara {

namespace {

StoredValue ValueOf(const SettingEntry& entry, const Profile& profile) {
    return entry.kind == SettingKind::Text ? TextValue(entry.text(profile))
                                           : DwordValue(entry.number(profile));
}

}  // namespace

SettingsStore::SettingsStore(Profile& profile, ValueStore& store, Dialogs& dialogs)
    : profile_(profile), store_(store), dialogs_(dialogs) {}

SaveResult SettingsStore::SaveSettings() {
    unsaved_ = true;
    std::unique_ptr<StoreKey> key = store_.CreateForWrite(kSettingsKeyPath);
    if (!key) {
        ShowSaveFailure(dialogs_);
        return SaveResult::KeyUnavailable;
    }
    for (const SettingEntry& entry : SettingsTable()) {
        if (!key->Write(entry.name, ValueOf(entry, profile_))) {
            ShowSaveFailure(dialogs_);
            key->Close();
            return SaveResult::Failed;
        }
    }
    // A store that reaches its medium only on closing reports failure here.
    if (!key->Close()) {
        ShowSaveFailure(dialogs_);
        return SaveResult::Failed;
    }
    unsaved_ = false;
    return SaveResult::Saved;
}

void SettingsStore::LoadSettings() {
    if (unsaved_) {
        return;  // the stored values are older than the ones in memory
    }
    std::unique_ptr<StoreKey> key = store_.OpenForRead(kSettingsKeyPath);
    if (!key) {
        return;
    }
    for (const SettingEntry& entry : SettingsTable()) {
        if (!LoadOne(*key, entry)) {
            return;  // a read error ends the load; the rest keep their values
        }
    }
}

bool SettingsStore::LoadOne(StoreKey& key, const SettingEntry& entry) {
    if (entry.kind == SettingKind::Text) {
        std::optional<std::string> text = ReadText(key.Read(entry.name));
        if (text) {
            entry.setText(profile_, *text);
        }
        return text.has_value();
    }
    std::optional<std::uint32_t> number = ReadDword(key.Read(entry.name));
    if (number) {
        entry.setNumber(profile_, *number);
    }
    return number.has_value();
}

}  // namespace pultara
