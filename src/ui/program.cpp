#include "ui/program.h"

#include <exception>

#include "ui/button_names.h"

namespace pultara {

Program::Program(Profile& profile, EngineState& state, const Platform& platform,
                 FrontEndPorts ports, ProgramOperations operations)
    : profile_(profile),
      state_(state),
      ports_(ports),
      operations_(operations),
      dialogs_(platform.dialogs),
      main_(profile, state),
      help_(ports.files),
      rename_(profile),
      aids_(main_, platform.desktop, ports.fileDialog),
      dispatcher_(profile, state, main_, platform.mouse, operations.commands),
      poll_(profile, state, main_, platform.joystick, dispatcher_, operations.commands,
            operations.axes, platform.dialogs),
      lifecycle_(profile, state, operations.settings, *this, ports.tray, platform.processes),
      sleep_({[this] { return AtRest(); },
              [this] { return signals_ != nullptr && signals_->CanSignal(); },
              [&clock = platform.clock] { return clock.NowMs(); }}) {
    main_.BindButtonBoxes(dispatcher_);
    profile_.SetObserver(this);
    main_.AddObserver(this);
    InstallHandlers();
}

Program::~Program() {
    main_.RemoveObserver(this);
    profile_.SetObserver(nullptr);
}

void Program::InstallHandlers() {
    for (Form* form : {static_cast<Form*>(&main_), static_cast<Form*>(&help_),
                       static_cast<Form*>(&info_), static_cast<Form*>(&rename_)}) {
        form->entryGuard = [this](const std::function<void()>& entry) { Guarded(entry); };
    }
    main_.Get("ButtonStart").onClick = [this] { lifecycle_.ButtonStartClick(); };
    main_.Get("ButtonEnde").onClick = [this] { lifecycle_.ButtonEndeClick(); };
    main_.Get("ButtonEinstellen").onClick = [this] { ButtonEinstellenClick(); };
    main_.Get("ButtonHilfe").onClick = [this] { ButtonHilfeClick(); };
    main_.Get("ButtonInfo").onClick = [this] { ButtonInfoClick(); };
    help_.Get("Button1").onClick = [this] { help_.SetVisible(false); };
    info_.Get("OKButton").onClick = [this] { info_.SetVisible(false); };
    rename_.Get("Button1").onClick = [this] {
        operations_.names.SaveButtonNames();
        rename_.SetVisible(false);
    };
    rename_.Get("Button3").onClick = [this] { operations_.names.ResetButtonNames(); };
    // Escape closes the two viewers like their close box; in the rename
    // dialog it cancels: the fields go back to the stored names, which the
    // main window then shows.
    help_.onEscape = [this] { help_.SetVisible(false); };
    info_.onEscape = [this] { info_.SetVisible(false); };
    rename_.onEscape = [this] {
        operations_.names.ResetButtonNames();  // as at start, where no name is stored
        operations_.names.LoadButtonNames();
        rename_.SetVisible(false);
    };
}

// Each window is created in turn; creating the rename dialog loads the
// names. The message loop then shows the main window.
void Program::Start() {
    Guarded([this] {
        lifecycle_.FormCreate();
        operations_.names.LoadButtonNames();
        main_.SetVisible(true);
    });
}

void Program::Guarded(const std::function<void()>& entry) {
    try {
        entry();
    } catch (const std::exception& error) {
        dialogs_.ShowApplicationError(error.what());
    }
}

void Program::Timer1Timer() {
    if (!main_.PollTimer().Runs()) {
        return;
    }
    Guarded([this] { poll_.Timer1Timer(); });
    if (signals_ != nullptr) {
        signals_->FollowJoystick();
    }
    // A tick inside a box may have stopped the timer already.
    if (main_.PollTimer().Runs() && sleep_.AfterTick()) {
        main_.PollTimer().SetEnabled(false);
    }
}

void Program::Timer2Timer() {
    Guarded([this] { lifecycle_.Timer2Timer(); });
    RecheckSleep();
}

void Program::TrayCallback(TrayEvent event) {
    Guarded([this, event] { lifecycle_.TrayCallback(event); });
}

void Program::ShowSettings() {
    Guarded([this] { lifecycle_.ShowSettings(); });
}

bool Program::WindowMessage(std::uint32_t message) {
    bool handled = false;
    Guarded([this, message, &handled] { handled = lifecycle_.WindowMessage(message); });
    return handled;
}

void Program::CloseMainWindow() {
    Guarded([this] { lifecycle_.ButtonEndeClick(); });
}

void Program::JoystickSignalled() {
    if (sleep_.JoystickSignal()) {
        main_.PollTimer().SetEnabled(true);
    }
}

void Program::DeviceCameOrWent() {
    sleep_.DeviceChange();
    JoystickSignalled();
}

void Program::RecheckSleep() {
    if (sleep_.OtherChange()) {
        main_.PollTimer().SetEnabled(true);
    }
}

void Program::ShowModal(Form& form) {
    form.SetVisible(true);
    ports_.host.ShowModal(form);
    form.SetVisible(false);
}

// The dialog's result is not examined: names left by the close box are
// applied too. Saving before and loading after keeps every selection.
void Program::ButtonEinstellenClick() {
    ShowModal(rename_);
    operations_.settings.SaveSettings();
    ApplyButtonNames();
    operations_.settings.LoadSettings();
}

void Program::ButtonHilfeClick() {
    help_.FormShow();
    ShowModal(help_);
}

void Program::ButtonInfoClick() {
    ShowModal(info_);
}

void Program::ApplyButtonNames() {
    pultara::ApplyButtonNames(rename_, main_);
}

void Program::FormChanged(const Form& /*form*/, Property property) {
    if (property != Property::Visible && property != Property::Minimised) {
        return;
    }
    const bool visible = main_.IsMainWindowVisible();
    // Buttons are not dispatched while the window is shown, so a mouse
    // button held through a joystick button is let go as the window appears.
    if (visible && !counted_visible_) {
        dispatcher_.LiftAllMouseButtons();
    }
    counted_visible_ = visible;
    // The window shown again: a sleeping poll timer wakes.
    RecheckSleep();
}

void Program::ProfileChanged(const FieldChange& change) {
    main_.ProfileChanged(change);
    rename_.ProfileChanged(change);
}

}  // namespace pultara
