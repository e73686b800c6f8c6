#pragma once
// Platform doubles that do nothing, so that a benchmark measures the core's
// own work.
#include "engine/operations.h"
#include "ports/mixer.h"
#include "ports/platform.h"
#include "ports/processes.h"

namespace pultara::bench {

struct NullJoystick : Joystick {
    bool Read(JoystickSample& sample) override {
        sample = next;
        return true;
    }
    JoystickSample next;
};

struct NullMouse : Mouse {
    void SendButtonEvent(std::uint32_t) override {}
    bool GetCursorPos(PointerPosition& p) override {
        p = {};
        return true;
    }
    void SetCursorPos(PointerPosition) override {}
};

struct NullDialogs : Dialogs {
    void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
    void ShowApplicationError(const std::string&) override {}
};

struct NullWindow : MainWindowPort {
    bool IsMainWindowVisible() const override { return false; }
    void ButtonStartClick() override {}
    void ShowAxisPositions(const JoystickSample&) override {}
    void ShowButtonChecked(int, bool) override {}
};

struct NullOperations : CommandOperations, AxisOperations {
    void ExecuteButtonCommand(int) override {}
    void SendAxisKeys(const std::string&) override {}
    void ActivateModeTarget(int) override {}
    void ApplyMixerAxis(std::uint32_t, int, bool) override {}
    void MovePointerX(std::uint32_t) override {}
    void MovePointerXInverted(std::uint32_t) override {}
    void MovePointerY(std::uint32_t) override {}
    void MovePointerYInverted(std::uint32_t) override {}
    bool PointerWouldAct(std::uint32_t, bool) const override { return false; }
};

struct NullMixer : Mixer {
    MixerResult Open() override { return kMixerOk; }
    MixerResult GetSpeakerLine(std::uint32_t& lineId) override {
        lineId = 1;
        return kMixerOk;
    }
    MixerResult GetLineControl(std::uint32_t, std::uint32_t type, std::uint32_t& id) override {
        id = type;
        return kMixerOk;
    }
    MixerResult SetControlValue(std::uint32_t, std::uint32_t) override { return kMixerOk; }
    void Close() override {}
};

struct NullProcesses : Processes {
    bool StartProcess(const std::string&) override { return true; }
    void ShellOpen(const std::string&, const std::string&) override {}
    bool FileExists(const std::string&) override { return false; }
    void SetPriority(ProcessPriority) override {}
};

}  // namespace pultara::bench
