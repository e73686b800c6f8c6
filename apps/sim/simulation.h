#pragma once
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "host_files.h"
#include "logging_store.h"
#include "platform/fake/fake_form_host.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shell.h"
#include "script.h"
#include "ui/application.h"

namespace pultara::sim {

struct Options {
    std::string script;
    std::string desktop;        // optional
    std::string settings;       // optional: a first start without
    std::string writeSettings;  // optional: where the settings end up
    std::string programFolder;  // where the help file is looked for
    bool quietStore = false;    // leave out the per-value store lines
    bool alwaysTick = false;    // run every poll tick, also those at rest
};

// Runs the whole program on the fake platform and a simulated clock, and
// prints one line per platform call with the simulated time.
class Simulation : private FormObserver {
public:
    // `fileStore` keeps the settings in a file; without it they live in
    // memory (a first start).
    Simulation(const Options& options, ValueStore* fileStore, std::ostream& out);
    ~Simulation() override;
    // Runs the script to its end and closes the program. Returns the number
    // of poll ticks run.
    long Run(const std::vector<ScriptStep>& steps);
    // Poll ticks left out because the program was at rest.
    long TicksSlept() const { return slept_; }

    fake::FakePlatform& Fakes() { return fakes_; }
    fake::FakeTray& Tray() { return tray_; }

private:
    // The program measures its waits by the simulated time.
    class SimulatedClock : public MonotonicClock {
    public:
        explicit SimulatedClock(const std::uint64_t& now) : now_(now) {}
        std::uint64_t NowMs() override { return now_; }

    private:
        const std::uint64_t& now_;
    };

    void Act(const ScriptStep& step);
    void Tick(const JoystickSample* sample);
    JoystickSample Reading(const JoystickSample* sample) const;
    void AdvanceTo(std::uint64_t time);
    void SaveUntil(std::uint64_t time, bool inclusive);
    bool PollTimerRuns() const;
    void Flush();
    void Note(const std::string& text);
    Control& Named(const std::string& name);
    void Rename(int button, const std::string& name);

    void ControlChanged(const Control& control, Property property) override;
    void FormChanged(const Form& form, Property property) override;

    Options options_;
    std::ostream& out_;
    fake::FakePlatform fakes_;
    fake::FakeTray tray_{fakes_.log};
    HostFiles files_;
    fake::FakeFileDialog fileDialog_{fakes_.log};
    fake::FakeFormHost host_{fakes_.log};
    SimulatedClock clock_{now_};  // bound to now_ below, read only once the program runs
    std::unique_ptr<LoggingStore> loggingStore_;
    std::unique_ptr<Application> app_;
    std::uint64_t now_ = 0;
    std::uint64_t nextPoll_ = 0;
    std::uint64_t nextSave_ = 0;
    long ticks_ = 0;
    long slept_ = 0;
};

}  // namespace pultara::sim
