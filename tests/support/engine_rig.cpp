#include "support/engine_rig.h"

#include <stdexcept>

namespace pultara::testing {

void RecordingOperations::ExecuteButtonCommand(int button) {
    log_.Add("ExecuteButtonCommand(" + std::to_string(button) + ")");
    if (!failExecuteWith.empty()) {
        throw std::runtime_error(failExecuteWith);
    }
}

void RecordingOperations::SendAxisKeys(const std::string& keys) {
    log_.Add("SendAxisKeys(" + fake::Quoted(keys) + ")");
}

void RecordingOperations::ActivateModeTarget(int mode) {
    log_.Add("ActivateModeTarget(" + std::to_string(mode) + ")");
    if (state != nullptr) {
        state->activeMode = mode;
    }
}

void RecordingOperations::ApplyMixerAxis(std::uint32_t value, int kind, bool inverted) {
    log_.Add("ApplyMixerAxis(" + std::to_string(value) + ", " + std::to_string(kind) + ", " +
             (inverted ? "inverted" : "plain") + ")");
}

void RecordingOperations::MovePointerX(std::uint32_t value) {
    log_.Add("MovePointerX(" + std::to_string(value) + ")");
}

void RecordingOperations::MovePointerXInverted(std::uint32_t value) {
    log_.Add("MovePointerXInverted(" + std::to_string(value) + ")");
}

void RecordingOperations::MovePointerY(std::uint32_t value) {
    log_.Add("MovePointerY(" + std::to_string(value) + ")");
}

void RecordingOperations::MovePointerYInverted(std::uint32_t value) {
    log_.Add("MovePointerYInverted(" + std::to_string(value) + ")");
}

void RecordingMainWindow::ButtonStartClick() {
    log_.Add("ButtonStartClick");
    visible = false;
}

void RecordingMainWindow::ShowButtonChecked(int button, bool checked) {
    log_.Add("CheckBox" + std::to_string(button) + (checked ? " checked" : " unchecked"));
}

EngineRig::EngineRig() {
    operations.state = &state;
}

void EngineRig::Tick(std::uint32_t x, std::uint32_t y, std::uint32_t z, std::uint32_t buttons) {
    Tick(JoystickSample{x, y, z, buttons});
}

void EngineRig::Tick(const JoystickSample& sample) {
    platform.joystick.Queue(sample);
    poll.Timer1Timer();
}

std::vector<std::string> EngineRig::Calls() const {
    return platform.log.Lines();
}

std::uint32_t Held(std::initializer_list<int> held) {
    std::uint32_t mask = 0;
    for (int button : held) {
        mask |= 1U << (button - 1);
    }
    return mask;
}

}  // namespace pultara::testing
