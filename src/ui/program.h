#pragma once
#include <cstdint>
#include <functional>

#include "engine/dispatcher.h"
#include "engine/engine_state.h"
#include "engine/lifecycle.h"
#include "engine/operations.h"
#include "engine/poll_cycle.h"
#include "engine/profile.h"
#include "engine/rest_rule.h"
#include "ports/file_dialog.h"
#include "ports/files.h"
#include "ports/joystick_signals.h"
#include "ports/platform.h"
#include "ports/tray.h"
#include "ui/form_host.h"
#include "ui/help_form.h"
#include "ui/info_form.h"
#include "ui/main_form.h"
#include "ui/mode_page_aids.h"
#include "ui/poll_sleep.h"
#include "ui/rename_form.h"

namespace pultara {

// The services a front end provides besides the platform's.
struct FrontEndPorts {
    Tray& tray;
    Files& files;
    FileDialog& fileDialog;
    FormHost& host;
};

// What the program does with buttons, axes and stores. The settings and
// names jobs work on the same Profile the program shows.
struct ProgramOperations {
    CommandOperations& commands;
    AxisOperations& axes;
    SettingsJobs& settings;
    NamesJobs& names;
};

// The whole program without a toolkit: the four windows' form model, the
// tick, the dispatcher and the lifecycle, wired to each other. A front end
// calls Start(), runs the two timers as their models say, forwards timer
// expiries, tray events, window messages and joystick signals, and renders
// the forms. Every entry of a front end runs inside the program's one error
// guard: an error that escapes goes to the general error display.
class Program : private LifecycleWindow, private ProfileObserver, private FormObserver {
public:
    Program(Profile& profile, EngineState& state, const Platform& platform, FrontEndPorts ports,
            ProgramOperations operations);
    ~Program() override;

    static constexpr const char* kApplicationTitle = "Pultara";

    // Creates the windows in order (main, help, about, rename) and shows the
    // main window, as the message loop does when it starts.
    void Start();
    // The two timers a front end runs: each calls its handler every
    // Interval() ms while Runs(), and changes of either are reported to the
    // main window's observers (Property::Interval, Property::Enabled). The
    // poll timer stops (is disabled) while the program sleeps at rest; when
    // it is enabled again, its first tick is due at once.
    const Control& PollTimer() const { return main_.PollTimer(); }
    const Control& SaveTimer() const { return main_.SaveTimer(); }
    // One poll tick; an expiry that comes after the poll timer stopped (one
    // queued before) is dropped.
    void Timer1Timer();
    void Timer2Timer();
    void TrayCallback(TrayEvent event);
    bool WindowMessage(std::uint32_t message);
    // A later start of the program asks for the settings window.
    void ShowSettings();
    // The main window's close box.
    void CloseMainWindow();
    bool Closed() const { return lifecycle_.Closed(); }
    // The front end's joystick signals; without them the poll timer never
    // sleeps.
    void UseJoystickSignals(JoystickSignals* source) { signals_ = source; }
    // The joystick signalled a change: a sleeping poll timer wakes.
    void JoystickSignalled();
    // A joystick device came or went: it is polled for a moment, then
    // signals are trusted again.
    void DeviceCameOrWent();
    // Runs one entry of a front end (what the user did to a control) inside
    // the error guard.
    void Guarded(const std::function<void()>& entry);
    // Whether a poll tick reading `sample` would have no effect (the rest
    // rule with the main window's state); then the poll timer may wait for
    // the joystick to change.
    bool AtRest(const JoystickSample& sample) const {
        return IsAtRest(profile_, state_, poll_.Axes(), sample, main_.Visible());
    }
    // The same for the reading the last tick took.
    bool AtRest() const { return AtRest(state_.sample); }

    MainForm& Main() { return main_; }
    HelpForm& Help() { return help_; }
    InfoForm& Info() { return info_; }
    RenameForm& Rename() { return rename_; }
    ModePageAids& Aids() { return aids_; }
    Dispatcher& ButtonDispatcher() { return dispatcher_; }

    // "Buttons umbenennen": the dialog, then save, apply the names, load.
    void ButtonEinstellenClick();
    void ButtonHilfeClick();
    void ButtonInfoClick();

private:
    void InstallHandlers();
    void ShowModal(Form& form);
    // Something besides the joystick changed (the window, the settings): a
    // sleeping poll timer wakes if the program is no longer at rest.
    void RecheckSleep();

    // LifecycleWindow.
    bool IsShown() const override { return main_.Visible(); }
    bool IsMinimised() const override { return main_.Minimised(); }
    void ShowWindow() override { main_.SetVisible(true); }
    void HideWindow() override { main_.SetVisible(false); }
    void MinimiseApplication() override { main_.SetMinimised(true); }
    void RestoreApplication() override { main_.SetMinimised(false); }
    void BringToFront() override { ports_.host.BringToFront(main_); }
    void SetMinimisedCountsAsHidden(bool on) override { main_.SetMinimisedCountsAsHidden(on); }
    void CreateWindowTitleList() override { aids_.CreateWindowTitleList(); }
    void ColourTitleBoxes() override { aids_.ColourTitleBoxes(); }
    void ApplyButtonNames() override;
    // No mouse button pressed through a joystick button outlives the program.
    void Quit() override {
        dispatcher_.LiftAllMouseButtons();
        ports_.host.Quit();
    }

    // ProfileObserver.
    void ProfileChanged(const FieldChange& change) override;

    // FormObserver of the main window: when it comes back into view, the
    // global mouse buttons its joystick buttons hold are let go, since their
    // release would be ignored while it is shown.
    void ControlChanged(const Control& /*control*/, Property /*property*/) override {}
    void FormChanged(const Form& form, Property property) override;

    Profile& profile_;
    const EngineState& state_;
    FrontEndPorts ports_;
    ProgramOperations operations_;
    Dialogs& dialogs_;
    MainForm main_;
    HelpForm help_;
    InfoForm info_;
    RenameForm rename_;
    ModePageAids aids_;
    Dispatcher dispatcher_;
    PollCycle poll_;
    Lifecycle lifecycle_;
    JoystickSignals* signals_ = nullptr;
    PollSleep sleep_;
    bool counted_visible_ = false;
};

}  // namespace pultara
