#include "store/settings_store.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "store/key_writer.h"
#include "store/stored_values.h"

namespace pultara {

namespace {

// Numbers are kept as dwords: a list's -1 (none) as 0xFFFFFFFF, a negative
// signed number as its 32 bits.
StoredValue ValueOf(const SettingRow& row, const Profile& profile) {
    return row.declared->type == SettingType::Text
               ? TextValue(profile.Text(row.id))
               : DwordValue(static_cast<std::uint32_t>(profile.Number(row.id)));
}

}  // namespace

SettingsStore::SettingsStore(Profile& profile, ValueStore& store, Dialogs& dialogs)
    : profile_(profile), store_(store), dialogs_(dialogs) {}

SaveResult SettingsStore::SaveSettings() {
    unsaved_ = true;
    std::vector<NamedValue> values;
    values.reserve(kSettingRows.size());
    for (const SettingRow& row : kSettingRows) {
        values.push_back({ValueName(row), ValueOf(row, profile_)});
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
    for (const SettingRow& row : kSettingRows) {
        const std::string name = ValueName(row);
        std::optional<StoredValue> value = key->Read(name);
        if (!LoadOne(row, value)) {
            // A read error ends the load; the rest keep their values. A
            // value that is there but of the wrong type is then written
            // over by the next save, and the ones after it too.
            if (value) {
                unread_ = name;
            }
            return;
        }
    }
}

bool SettingsStore::LoadOne(const SettingRow& row, const std::optional<StoredValue>& value) {
    if (row.declared->type == SettingType::Text) {
        std::optional<std::string> text = ReadText(value);
        if (text) {
            profile_.SetText(row.id, *text);
        }
        return text.has_value();
    }
    // The Profile reads the dword as the setting's type keeps it.
    std::optional<std::uint32_t> number = ReadDword(value);
    if (number) {
        profile_.SetNumber(row.id, *number);
    }
    return number.has_value();
}

}  // namespace pultara
