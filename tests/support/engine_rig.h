#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/dispatcher.h"
#include "engine/engine_state.h"
#include "engine/operations.h"
#include "engine/poll_cycle.h"
#include "engine/profile.h"
#include "platform/fake/fake_platform.h"

namespace pultara::testing {

// Records the operations the tick and the dispatcher call, in the platform's
// log, so that one ordered list shows everything that happened.
class RecordingOperations : public CommandOperations, public AxisOperations {
public:
    explicit RecordingOperations(fake::CallLog& log) : log_(log) {}
    void ExecuteButtonCommand(int button) override;
    void SendAxisKeys(const std::string& keys) override;
    void ActivateModeTarget(int mode) override;
    void ApplyMixerAxis(std::uint32_t value, int kind, bool inverted) override;
    void MovePointerX(std::uint32_t value) override;
    void MovePointerXInverted(std::uint32_t value) override;
    void MovePointerY(std::uint32_t value) override;
    void MovePointerYInverted(std::uint32_t value) override;
    // Every pointer call is recorded, so every one counts as acting.
    bool PointerWouldAct(std::uint32_t /*value*/, bool /*horizontal*/) const override {
        return true;
    }

    // Lets a test make an operation raise an error, as a malformed key
    // command does.
    std::string failExecuteWith;
    EngineState* state = nullptr;  // ActivateModeTarget sets the ActiveMode here

private:
    fake::CallLog& log_;
};

// The main window as the tick sees it: shown until "Start".
class RecordingMainWindow : public MainWindowPort {
public:
    explicit RecordingMainWindow(fake::CallLog& log) : log_(log) {}
    bool IsMainWindowVisible() const override { return visible; }
    void ButtonStartClick() override;
    void ShowAxisPositions(const JoystickSample& sample) override { shown = sample; }
    void ShowButtonChecked(int button, bool checked) override;

    bool visible = true;
    JoystickSample shown;

private:
    fake::CallLog& log_;
};

// The control spine wired to the fake platform and recording operations.
struct EngineRig {
    EngineRig();

    // Queues one sample and runs one tick.
    void Tick(std::uint32_t x, std::uint32_t y, std::uint32_t z, std::uint32_t buttons);
    void Tick(const JoystickSample& sample);
    // The log without the window's own bookkeeping lines.
    std::vector<std::string> Calls() const;

    fake::FakePlatform platform;
    Profile profile;
    EngineState state;
    RecordingOperations operations{platform.log};
    RecordingMainWindow window{platform.log};
    Dispatcher dispatcher{profile, state, window, platform.mouse, operations};
    PollCycle poll{profile,    state,      window,     platform.joystick,
                   dispatcher, operations, operations, platform.dialogs};
};

// Button mask with the given buttons (1..12) held.
std::uint32_t Held(std::initializer_list<int> held);

}  // namespace pultara::testing
