// Saves ever newer profiles to the settings file given as its argument until
// it is killed. Each generation n gives every text "gen n ..." and the
// poll interval n, so a reader can tell whether a file holds one complete
// generation. It continues from the generation it finds in the file.
#include <cstdlib>
#include <string>

#include "engine/profile.h"
#include "engine/setting_rows.h"
#include "platform/fake/call_log.h"
#include "platform/fake/fake_system.h"
#include "platform/filestore/file_value_store.h"
#include "store/settings_store.h"

using namespace pultara;

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    fake::CallLog log;
    fake::FakeDialogs dialogs(log);
    filestore::FileValueStore store(argv[1], &dialogs);
    Profile profile;
    SettingsStore settings(profile, store, dialogs);
    settings.LoadSettings();
    for (std::uint32_t generation = profile.UpdateInterval() + 1; generation < 1000000;
         ++generation) {
        // Texts of changing length, so that files of two generations differ in size.
        std::string tag =
            "gen " + std::to_string(generation) + " " + std::string(generation % 97, '#');
        for (const SettingRow& row : kSettingRows) {
            profile.SetText(row.id, tag + " " + ValueName(row));
        }
        profile.SetUpdateInterval(generation);
        if (settings.SaveSettings() != SaveResult::Saved) {
            return 1;
        }
    }
    return 0;
}
