#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/call_log.h"
#include "ports/dialogs.h"
#include "ports/mixer.h"
#include "ports/monotonic_clock.h"
#include "ports/processes.h"

namespace pultara::fake {

// Logs `CreateProcessA("LINE")`, `ShellExecuteA("open", "FILE", "PARAMS")`,
// `FileExists("PATH")` and `SetPriorityClass(NORMAL|HIGH)`.
class FakeProcesses : public Processes {
public:
    explicit FakeProcesses(CallLog& log) : log_(log) {}
    bool StartProcess(const std::string& commandLine) override;
    void ShellOpen(const std::string& file, const std::string& parameters) override;
    bool FileExists(const std::string& path) override;
    void SetPriority(ProcessPriority priority) override;

    // Command lines that start; any other fails.
    std::set<std::string> startable;
    std::set<std::string> files;
    ProcessPriority priority = ProcessPriority::Normal;

private:
    CallLog& log_;
};

// A sound card whose answers are scripted: each step's result code, and the
// value each control (by type) was last set to.
class FakeMixer : public Mixer {
public:
    explicit FakeMixer(CallLog& log) : log_(log) {}
    MixerResult Open() override;
    MixerResult GetSpeakerLine(std::uint32_t& lineId) override;
    MixerResult GetLineControl(std::uint32_t lineId, std::uint32_t controlType,
                               std::uint32_t& controlId) override;
    MixerResult SetControlValue(std::uint32_t controlId, std::uint32_t value) override;
    void Close() override;

    MixerResult openResult = kMixerOk;
    MixerResult lineResult = kMixerOk;
    MixerResult controlResult = kMixerOk;
    MixerResult setResult = kMixerOk;
    std::map<std::uint32_t, std::uint32_t> values;  // control type -> value
    bool open = false;

private:
    CallLog& log_;
};

// A clock that stands still until a test moves it on.
class FakeClock : public MonotonicClock {
public:
    std::uint64_t NowMs() override { return nowMs; }
    std::uint64_t nowMs = 0;
};

// Logs `MessageBox("TEXT", "CAPTION", ICON)` and `ApplicationError("TEXT")`.
// A box "stays open" while `whileOpen` runs, which lets a test do what the
// timers would do inside the box's message loop.
class FakeDialogs : public Dialogs {
public:
    explicit FakeDialogs(CallLog& log) : log_(log) {}
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    void ShowApplicationError(const std::string& message) override;

    std::function<void()> whileOpen;
    int openBoxes = 0;
    int deepestNesting = 0;

private:
    CallLog& log_;
};

}  // namespace pultara::fake
