#pragma once
#include "actions/keysend/key_sender.h"
#include "actions/keysend/window_focus.h"
#include "actions/mode_commands.h"
#include "axis/axis_outputs.h"
#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/profile.h"
#include "ports/platform.h"
#include "store/names_store.h"
#include "store/settings_store.h"
#include "ui/program.h"

namespace pultara {

// The stores as the lifecycle and the rename dialog run them.
class StoreJobs : public SettingsJobs, public NamesJobs {
public:
    StoreJobs(Profile& profile, const Platform& platform);
    void SaveSettings() override { settings_.SaveSettings(); }
    void LoadSettings() override { settings_.LoadSettings(); }
    bool AnyStored() override;
    void LoadButtonNames() override { names_.LoadButtonNames(); }
    void SaveButtonNames() override { names_.SaveButtonNames(); }
    void ResetButtonNames() override { names_.ResetButtonNames(); }

private:
    ValueStore& store_;
    SettingsStore settings_;
    NamesStore names_;
};

// The composition root every front end uses: the settings, the engine
// state, the real operations and stores on the platform's services, and the
// program built on them.
class Application {
public:
    Application(const Platform& platform, FrontEndPorts ports);

    Program& program() { return program_; }
    Profile& profile() { return profile_; }
    EngineState& state() { return state_; }

private:
    Profile profile_;
    EngineState state_;
    WindowFocus focus_;
    KeySender keys_;
    ModeCommands commands_;
    AxisOutputs axes_;
    StoreJobs stores_;
    Program program_;
};

}  // namespace pultara
