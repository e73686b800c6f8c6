#pragma once
#include <string>
#include <vector>

#include "engine/lifecycle.h"
#include "platform/fake/fake_form_host.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shell.h"
#include "support/engine_rig.h"
#include "ui/program.h"

namespace pultara::testing {

// Logs the store jobs. A failing save shows the failure box, as the stores
// do; `loads` are applied to the Profile by each load.
class RecordingStores : public SettingsJobs, public NamesJobs {
public:
    RecordingStores(fake::CallLog& log, Profile& profile, Dialogs& dialogs)
        : log_(log), profile_(profile), dialogs_(dialogs) {}
    void SaveSettings() override;
    void LoadSettings() override;
    void LoadButtonNames() override;
    void SaveButtonNames() override;
    void ResetButtonNames() override;

    bool failSaves = false;
    // Run by every settings load: what the store would put into the Profile.
    std::function<void(Profile&)> load;

private:
    fake::CallLog& log_;
    Profile& profile_;
    Dialogs& dialogs_;
};

// The whole program on the fake platform, with recording operations.
struct ProgramRig {
    ProgramRig();
    // Queues one sample and runs one poll tick.
    void Tick(std::uint32_t buttons = 0);
    std::vector<std::string> Lines() const { return platform.log.Lines(); }

    fake::FakePlatform platform;
    fake::FakeTray tray{platform.log};
    fake::FakeFiles files{platform.log};
    fake::FakeFileDialog fileDialog{platform.log};
    fake::FakeFormHost host{platform.log};
    Profile profile;
    EngineState state;
    RecordingOperations operations{platform.log};
    RecordingStores stores{platform.log, profile, platform.dialogs};
    Program program{profile, state, platform.Services(),
                    FrontEndPorts{tray, files, fileDialog, host},
                    ProgramOperations{operations, operations, stores, stores}};
};

}  // namespace pultara::testing
