#pragma once
#include <string>

#include "actions/keysend/key_sender.h"
#include "actions/keysend/window_focus.h"
#include "engine/engine_state.h"
#include "engine/operations.h"
#include "engine/profile.h"
#include "ports/mouse.h"
#include "ports/processes.h"

namespace pultara {

// Carries out what a button or an arrow-key axis asks of the ActiveMode:
// brings the mode's window forward (or opens its program), honours the "#"
// and "!" prefixes and the mouse-click tokens, types the keys and gives the
// focus back. Every setting is read from the Profile at the moment it is
// needed. A KeyCommandError from the keys ends the command unhandled.
class ModeCommands : public CommandOperations {
public:
    ModeCommands(const Profile& profile, EngineState& state, WindowFocus& focus, KeySender& keys,
                 Mouse& mouse, Processes& processes);

    void ExecuteButtonCommand(int button) override;
    void SendAxisKeys(const std::string& keys) override;
    void ActivateModeTarget(int mode) override;

private:
    void EnsureModeFocus();
    // Strips the "#" prefix; runs and returns true for a "!" command.
    bool LaunchIfProgram(std::string& command);
    void ClickMouseTokens(std::string& command);

    const Profile& profile_;
    EngineState& state_;
    WindowFocus& focus_;
    KeySender& keys_;
    Mouse& mouse_;
    Processes& processes_;
};

}  // namespace pultara
