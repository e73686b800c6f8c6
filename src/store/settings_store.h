#pragma once
#include "engine/profile.h"
#include "ports/dialogs.h"
#include "ports/value_store.h"

namespace pultara {

// Keeps the Profile's 86 stored values under the settings key.
class SettingsStore {
public:
    SettingsStore(Profile& profile, ValueStore& store, Dialogs& dialogs);
    // Writes every value; a failed write is reported in a message box.
    void SaveSettings();
    // Reads every value back; failures stop the load silently.
    void LoadSettings();

private:
    Profile& profile_;
    ValueStore& store_;
    Dialogs& dialogs_;
};

}  // namespace pultara
