#pragma once
#include "engine/lifecycle.h"
#include "store/names_store.h"
#include "store/settings_store.h"
#include "ui/rename_form.h"

namespace pultara::win32app {

// The settings and names stores as the program's jobs.
class StoreJobs : public SettingsJobs, public NamesJobs {
public:
    StoreJobs(Profile& profile, ValueStore& store, Dialogs& dialogs)
        : settings_(profile, store, dialogs), names_(profile, store, dialogs) {}

    void SaveSettings() override { settings_.SaveSettings(); }
    void LoadSettings() override { settings_.LoadSettings(); }
    void LoadButtonNames() override { names_.LoadButtonNames(); }
    void SaveButtonNames() override { names_.SaveButtonNames(); }
    void ResetButtonNames() override { names_.ResetButtonNames(); }

private:
    SettingsStore settings_;
    NamesStore names_;
};

}  // namespace pultara::win32app
