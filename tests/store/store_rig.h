#pragma once
#include <string>
#include <vector>

#include "engine/profile.h"
#include "platform/fake/fake_platform.h"
#include "store/names_store.h"
#include "store/settings_store.h"
#include "store/stored_values.h"

namespace pultara::testing {

inline const std::string kSettingsKey = "\\Software\\Orvendt\\tevorin";
inline const std::string kNamesKey = "\\Software\\Orvendt\\tevorin\\names";
inline const std::string kFailureBox =
    "MessageBox(\"Programmeinstellungen konnten nicht gesichert werden.\", \"Information\", "
    "INFORMATION)";

// Both stores on the recording registry, with a Profile that records which
// fields changed.
struct StoreRig : ProfileObserver {
    StoreRig() { profile.SetObserver(this); }
    void ProfileChanged(const FieldChange& change) override { changes.push_back(change); }

    int ChangesOf(Field field) const {
        int count = 0;
        for (const FieldChange& c : changes) {
            count += c.field == field ? 1 : 0;
        }
        return count;
    }

    fake::FakePlatform platform;
    Profile profile;
    std::vector<FieldChange> changes;
    SettingsStore settings{profile, platform.store, platform.dialogs};
    NamesStore names{profile, platform.store, platform.dialogs};
};

}  // namespace pultara::testing
