#include "simulation.h"

#include <cstdio>

#include "ui/control_names.h"

namespace pultara::sim {

namespace {

constexpr std::uint32_t kSaveInterval = 5000;

std::string Time(std::uint64_t milliseconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%9.3f", static_cast<double>(milliseconds) / 1000.0);
    return buffer;
}

bool IsValueLine(const std::string& line) {
    return line.starts_with("RegQueryValueExA") || line.starts_with("RegSetValueExA");
}

int Integer(const std::string& word) {
    try {
        return std::stoi(word);
    } catch (const std::exception&) {
        throw std::invalid_argument("not a number: " + word);
    }
}

}  // namespace

Simulation::Simulation(const Options& options, ValueStore* fileStore, std::ostream& out)
    : options_(options), out_(out), files_(options.programFolder) {
    if (fileStore != nullptr) {
        loggingStore_ = std::make_unique<LoggingStore>(*fileStore, fakes_.log);
    }
    ValueStore& store = loggingStore_ ? static_cast<ValueStore&>(*loggingStore_) : fakes_.store;
    const Platform platform{fakes_.joystick,  fakes_.keyboard, fakes_.mouse, fakes_.desktop,
                            fakes_.processes, fakes_.mixer,    store,        fakes_.dialogs};
    app_ =
        std::make_unique<Application>(platform, FrontEndPorts{tray_, files_, fileDialog_, host_});
    app_->program().Main().AddObserver(this);
}

Simulation::~Simulation() {
    app_->program().Main().RemoveObserver(this);
}

long Simulation::Run(const std::vector<ScriptStep>& steps) {
    Program& program = app_->program();
    program.Start();
    Flush();
    nextPoll_ = program.Main().Get("Timer1").Interval();
    nextSave_ = kSaveInterval;
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
    return app_->program().Main().Get("Timer1").Interval() != 0;
}

// The save timer fires at its own times between the poll ticks; at equal
// times the poll timer (created first) goes first.
void Simulation::Tick(const JoystickSample* sample) {
    while (nextSave_ < nextPoll_ && !app_->program().Closed()) {
        now_ = nextSave_;
        nextSave_ += kSaveInterval;
        app_->program().Timer2Timer();
        Flush();
    }
    now_ = nextPoll_;
    nextPoll_ += app_->program().Main().Get("Timer1").Interval();
    if (sample != nullptr) {
        fakes_.joystick.Queue(*sample);
    }
    app_->program().Timer1Timer();
    ++ticks_;
    Flush();
}

void Simulation::AdvanceTo(std::uint64_t time) {
    while (PollTimerRuns() && nextPoll_ <= time && !app_->program().Closed()) {
        Tick(nullptr);
    }
    while (nextSave_ <= time && !app_->program().Closed()) {
        now_ = nextSave_;
        nextSave_ += kSaveInterval;
        app_->program().Timer2Timer();
        Flush();
    }
    now_ = time;
}

void Simulation::Act(const ScriptStep& step) {
    const std::vector<std::string>& w = step.words;
    Program& program = app_->program();
    auto need = [&](std::size_t count) {
        if (w.size() != count) {
            throw std::invalid_argument(w[0] + " takes " + std::to_string(count - 1) +
                                        " argument(s)");
        }
    };
    const std::string& what = w[0];
    if (what == "tray") {
        need(2);
        program.TrayCallback(w[1] == "left" ? TrayEvent::LeftButtonUp : TrayEvent::RightButtonUp);
    } else if (what == "taskbar-created") {
        program.WindowMessage(tray_.taskbarCreatedMessage);
    } else if (what == "click") {
        need(2);
        Named(w[1]).Click();
    } else if (what == "enter") {
        need(2);
        Named(w[1]).Enter();
    } else if (what == "set") {
        need(3);
        Named(w[1]).SetText(w[2]);
    } else if (what == "select") {
        need(3);
        Named(w[1]).SetItemIndex(Integer(w[2]));
    } else if (what == "minimise" || what == "restore") {
        program.Main().SetMinimised(what == "minimise");
    } else if (what == "rename") {
        need(3);
        Rename(Integer(w[1]), w[2]);
    } else if (what == "close") {
        program.CloseMainWindow();
    } else if (what == "wait") {
        need(2);
        AdvanceTo(now_ + static_cast<std::uint64_t>(Integer(w[1])));
    }
    Flush();
}

// "FormUmbenennen.Edit3" names a control of another window; a bare name is
// one of the main window's.
Control& Simulation::Named(const std::string& name) {
    Program& program = app_->program();
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos) {
        return program.Main().Get(name);
    }
    const std::string form = name.substr(0, dot);
    const std::string control = name.substr(dot + 1);
    for (Form* candidate : std::initializer_list<Form*>{&program.Main(), &program.Help(),
                                                        &program.Info(), &program.Rename()}) {
        if (candidate->Name() == form) {
            return candidate->Get(control);
        }
    }
    throw std::invalid_argument("no window " + form);
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
    if (control.Name() == "Timer1" && property == Property::Interval) {
        nextPoll_ = now_ + control.Interval();
        fakes_.log.Add("Timer1 interval " + std::to_string(control.Interval()) + " ms");
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
