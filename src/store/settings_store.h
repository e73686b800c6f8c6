#pragma once
#include <optional>
#include <string>

#include "engine/profile.h"
#include "ports/dialogs.h"
#include "ports/value_store.h"
#include "store/save_result.h"

namespace pultara {

// Keeps the Profile's stored settings under the settings key, one value
// each, in the order of the setting table.
class SettingsStore {
public:
    SettingsStore(Profile& profile, ValueStore& store, Dialogs& dialogs);
    // Writes every value. A failed write skips the values after it and shows
    // the failure box; what was written before stays written. A key that
    // cannot be opened or created (a read-only key) writes nothing and shows
    // the same box. After a load that ended at a value of the wrong type,
    // the key is first kept as a copy and the user is told where (one box); without a copy
    // nothing is written over it.
    SaveResult SaveSettings();
    // Reads every value back, applying each before the next is read. A
    // missing key changes nothing; a read error ends the load silently at
    // that value. After a failed save nothing is read until a save
    // succeeds: the values in memory are the user's unsaved edits.
    void LoadSettings();

private:
    bool LoadOne(const SettingRow& row, const std::optional<StoredValue>& value);
    void TellAboutCopy(const std::string& unread, const std::string& copy);

    Profile& profile_;
    ValueStore& store_;
    Dialogs& dialogs_;
    bool unsaved_ = false;
    // The value the last load ended at, when the next save would write over
    // stored values that were not read.
    std::optional<std::string> unread_;
};

}  // namespace pultara
