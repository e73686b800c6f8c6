#pragma once
#include "engine/lifecycle.h"
#include "store/names_store.h"
#include "store/settings_store.h"
#include "ui/rename_form.h"

namespace pultara::qt {

// The lifecycle's and the rename dialog's store jobs, done by the stores.
class StoreJobs : public SettingsJobs, public NamesJobs {
public:
    StoreJobs(SettingsStore& settings, NamesStore& names) : settings_(settings), names_(names) {}
    void SaveSettings() override { settings_.SaveSettings(); }
    void LoadSettings() override { settings_.LoadSettings(); }
    void LoadButtonNames() override { names_.LoadButtonNames(); }
    void SaveButtonNames() override { names_.SaveButtonNames(); }
    void ResetButtonNames() override { names_.ResetButtonNames(); }

private:
    SettingsStore& settings_;
    NamesStore& names_;
};

}  // namespace pultara::qt
