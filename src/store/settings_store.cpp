#include "store/settings_store.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "store/key_writer.h"
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
    std::vector<NamedValue> values;
    for (const SettingEntry& entry : SettingsTable()) {
        values.push_back({entry.name, ValueOf(entry, profile_)});
    }
    std::unique_ptr<StoreKey> key = store_.CreateForWrite(kSettingsKeyPath);
    // The values a load could not read are kept before they are written
    // over; without a copy nothing is written.
    std::optional<std::string> copy;
    if (key && unread_) {
        copy = store_.KeepCopy(kSettingsKeyPath);
        if (!copy) {
            key->Close();
            ShowSaveFailure(dialogs_);
            return SaveResult::Failed;
        }
    }
    const SaveResult result = WriteValues(key.get(), values, dialogs_);
    unsaved_ = result != SaveResult::Saved;
    if (copy) {
        // Told after the save, so that a save while the box is open finds
        // everything settled.
        TellAboutCopy(*std::exchange(unread_, std::nullopt), *copy);
    }
    return result;
}

void SettingsStore::TellAboutCopy(const std::string& unread, const std::string& copy) {
    dialogs_.ShowMessage("Der gespeicherte Wert \"" + unread +
                             "\" der Programmeinstellungen war nicht lesbar. Die gespeicherten "
                             "Einstellungen wurden vor dem Sichern unverändert als \"" +
                             copy + "\" aufbewahrt.",
                         "Information", MessageIcon::Information);
}

void SettingsStore::LoadSettings() {
    if (unsaved_) {
        return;  // the stored values are older than the ones in memory
    }
    unread_.reset();
    std::unique_ptr<StoreKey> key = store_.OpenForRead(kSettingsKeyPath);
    if (!key) {
        return;
    }
    const std::vector<SettingEntry>& table = SettingsTable();
    for (auto entry = table.begin(); entry != table.end(); ++entry) {
        std::optional<StoredValue> value = key->Read(entry->name);
        if (!LoadOne(*entry, value)) {
            // A read error ends the load; the rest keep their values. A
            // value that is there but of the wrong type is then written
            // over by the next save, and the ones after it too.
            if (value) {
                unread_ = entry->name;
            }
            return;
        }
    }
}

bool SettingsStore::LoadOne(const SettingEntry& entry, const std::optional<StoredValue>& value) {
    if (entry.kind == SettingKind::Text) {
        std::optional<std::string> text = ReadText(value);
        if (text) {
            entry.setText(profile_, *text);
        }
        return text.has_value();
    }
    std::optional<std::uint32_t> number = ReadDword(value);
    if (number) {
        entry.setNumber(profile_, *number);
    }
    return number.has_value();
}

}  // namespace pultara
