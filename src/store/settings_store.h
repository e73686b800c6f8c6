#pragma once
#include "engine/profile.h"
#include "ports/dialogs.h"
#include "ports/value_store.h"
#include "store/save_result.h"

namespace pultara {

struct SettingEntry;

// Keeps the Profile's 86 stored values under the settings key, in the order
// of SettingsTable().
class SettingsStore {
public:
    SettingsStore(Profile& profile, ValueStore& store, Dialogs& dialogs);
    // Writes every value. A failed write skips the values after it and shows
    // the failure box; what was written before stays written. A key that
    // cannot be opened or created (a read-only key) writes nothing and shows
    // the same box.
    SaveResult SaveSettings();
    // Reads every value back, applying each before the next is read. A
    // missing key changes nothing; a read error ends the load silently at
    // that value. After a failed save nothing is read until a save
    // succeeds: the values in memory are the user's unsaved edits.
    void LoadSettings();

private:
    bool LoadOne(StoreKey& key, const SettingEntry& entry);

    Profile& profile_;
    ValueStore& store_;
    Dialogs& dialogs_;
    bool unsaved_ = false;
};

}  // namespace pultara
