#include "simulation.h"

#include <cstdio>

#include "ui/control_lookup.h"
#include "ui/control_names.h"

namespace pultara::sim {

namespace {

std::string Time(std::uint64_t milliseconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%9.3f", static_cast<double>(milliseconds) / 1000.0);
    return buffer;
}

bool IsValueLine(const std::string& line) {
    return line.starts_with("RegQueryValueExA") || line.starts_with("RegSetValueExA");
}

}  // namespace

Simulation::Simulation(const Options& options, ValueStore* fileStore, std::ostream& out)
    : options_(options), out_(out), files_(options.programFolder) {
    if (fileStore != nullptr) {
        loggingStore_ = std::make_unique<LoggingStore>(*fileStore, fakes_.log);
    }
    ValueStore& store = loggingStore_ ? static_cast<ValueStore&>(*loggingStore_) : fakes_.store;
    const Platform platform{fakes_.joystick, fakes_.keyboard,  fakes_.mouse,
                            fakes_.desktop,  fakes_.processes, fakes_.mixer,
                            store,           fakes_.dialogs,   clock_};
    app_ =
        std::make_unique<Application>(platform, FrontEndPorts{tray_, files_, fileDialog_, host_});
    app_->program().Main().AddObserver(this);
}

Simulation::~Simulation() {
    app_->program().Main().RemoveObserver(this);
}

long Simulation::Run(const std::vector<ScriptStep>& steps) {
    Program& program = app_->program();
    try {
        CheckControlNames(steps, [&program](const std::string& name) {
            return FindControl(program, name) != nullptr;
        });
    } catch (const ScriptError& error) {
        throw InputError(options_.script, error.Line(), error.what());
    }
    program.Start();
    Flush();
    nextPoll_ = program.PollTimer().Interval();
    nextSave_ = program.SaveTimer().Interval();
    for (const ScriptStep& step : steps) {
        if (program.Closed()) {
            break;
        }
        try {
            if (step.kind == ScriptStep::Kind::Action) {
                Act(step);
                continue;
            }
            for (int i = 0; i < step.ticks && !program.Closed() && PollTimerRuns(); ++i) {
                Tick(&step.sample);
            }
        } catch (const std::invalid_argument& error) {
            throw InputError(options_.script, step.line, error.what());
        } catch (const std::out_of_range& error) {
            throw InputError(options_.script, step.line, error.what());
        }
    }
    if (!program.Closed()) {
        Note("end of script: closing the main window");
        program.CloseMainWindow();
    }
    Flush();
    return ticks_;
}

bool Simulation::PollTimerRuns() const {
    return app_->program().PollTimer().Runs();
}

// Fires the save timer at each of its times before `time`, or up to and
// including it when `inclusive`.
void Simulation::SaveUntil(std::uint64_t time, bool inclusive) {
    Program& program = app_->program();
    const Control& timer = program.SaveTimer();
    while (timer.Runs() && (nextSave_ < time || (inclusive && nextSave_ == time)) &&
           !program.Closed()) {
        now_ = nextSave_;
        nextSave_ += timer.Interval();
        program.Timer2Timer();
        Flush();
    }
}

// The save timer fires at its own times between the poll ticks; at equal
// times the poll timer (created first) goes first.
void Simulation::Tick(const JoystickSample* sample) {
    SaveUntil(nextPoll_, false);
    now_ = nextPoll_;
    nextPoll_ += app_->program().PollTimer().Interval();
    if (!options_.alwaysTick && app_->program().AtRest(Reading(sample))) {
        // The program sleeps through a tick that could change nothing.
        ++slept_;
        return;
    }
    // An unplugged joystick's reading is lost, not kept for later.
    if (sample != nullptr && fakes_.joystick.connected) {
        fakes_.joystick.Queue(*sample);
    }
    app_->program().Timer1Timer();
    ++ticks_;
    Flush();
}

// What the next tick would read: the script's sample, the last reading when
// the script gives none, the resting stick when no joystick answers.
JoystickSample Simulation::Reading(const JoystickSample* sample) const {
    if (!fakes_.joystick.connected) {
        return kRestingSample;
    }
    return sample != nullptr ? *sample : app_->state().sample;
}

void Simulation::AdvanceTo(std::uint64_t time) {
    while (PollTimerRuns() && nextPoll_ <= time && !app_->program().Closed()) {
        Tick(nullptr);
    }
    SaveUntil(time, true);
    now_ = time;
}

// The script reader has checked each action's words and numbers.
void Simulation::Act(const ScriptStep& step) {
    const std::vector<std::string>& w = step.words;
    Program& program = app_->program();
    const std::string& what = w[0];
    if (what == "tray") {
        program.TrayCallback(w[1] == "left" ? TrayEvent::LeftButtonUp : TrayEvent::RightButtonUp);
    } else if (what == "taskbar-created") {
        program.WindowMessage(tray_.taskbarCreatedMessage);
    } else if (what == "click") {
        Named(w[1]).Click();
    } else if (what == "enter") {
        Named(w[1]).Enter();
    } else if (what == "set") {
        Named(w[1]).SetText(w[2]);
    } else if (what == "select") {
        Named(w[1]).SetItemIndex(static_cast<int>(step.number));
    } else if (what == "minimise" || what == "restore") {
        program.Main().SetMinimised(what == "minimise");
    } else if (what == "rename") {
        Rename(static_cast<int>(step.number), w[2]);
    } else if (what == "close") {
        program.CloseMainWindow();
    } else if (what == "unplug" || what == "plug") {
        fakes_.joystick.connected = what == "plug";
    } else if (what == "wait") {
        AdvanceTo(now_ + static_cast<std::uint64_t>(step.number));
    }
    Flush();
}

// The script reader and CheckControlNames have checked the name.
Control& Simulation::Named(const std::string& name) {
    Control* control = FindControl(app_->program(), name);
    if (control == nullptr) {
        throw std::invalid_argument("no control " + name);
    }
    return *control;
}

// The user opens "Buttons umbenennen", types the name and presses
// "OK, speichern".
void Simulation::Rename(int button, const std::string& name) {
    Program& program = app_->program();
    host_.whileModal["FormUmbenennen"] = [&program, button, name](Form&) {
        program.Rename().NameEdit(button).SetText(name);
        program.Rename().Get("Button1").Click();
    };
    program.Main().Get("ButtonEinstellen").Click();
    host_.whileModal.erase("FormUmbenennen");
}

void Simulation::Flush() {
    const auto& lines = fakes_.log.Lines();
    for (const std::string& line : lines) {
        if (!(options_.quietStore && IsValueLine(line))) {
            out_ << Time(now_) << "  " << line << '\n';
        }
    }
    // Printed lines are dropped, so a long run keeps its memory flat.
    fakes_.log.Clear();
}

void Simulation::Note(const std::string& text) {
    out_ << Time(now_) << "  # " << text << '\n';
}

void Simulation::ControlChanged(const Control& control, Property property) {
    if (property != Property::Interval) {
        return;
    }
    if (&control == &app_->program().PollTimer()) {
        nextPoll_ = now_ + control.Interval();
        fakes_.log.Add(control.Name() + " interval " + std::to_string(control.Interval()) + " ms");
    } else if (&control == &app_->program().SaveTimer()) {
        nextSave_ = now_ + control.Interval();
    }
}

void Simulation::FormChanged(const Form& form, Property property) {
    if (property == Property::Visible) {
        fakes_.log.Add(form.Name() + (form.Visible() ? " shown" : " hidden"));
    } else if (property == Property::Minimised) {
        fakes_.log.Add(form.Name() + (form.Minimised() ? " minimised" : " restored"));
    }
}

}  // namespace pultara::sim
