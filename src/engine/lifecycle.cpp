#include "engine/lifecycle.h"

namespace pultara {

namespace {

constexpr std::int32_t kStartMouseSpeed = 32;

// Clears a flag when the scope ends, also by an exception.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

Lifecycle::Lifecycle(Profile& profile, EngineState& state, SettingsJobs& settings,
                     LifecycleWindow& window, Tray& tray, Processes& processes)
    : profile_(profile),
      state_(state),
      settings_(settings),
      window_(window),
      tray_(tray),
      processes_(processes) {}

void Lifecycle::FormCreate() {
    state_.firstTickDone = false;
    state_.activeMode = 1;
    profile_.SetMaxMouseSpeed(kStartMouseSpeed);
    window_.CreateWindowTitleList();
    const bool firstStart = !settings_.AnyStored();
    settings_.LoadSettings();
    window_.ColourTitleBoxes();
    tray_.AddIcon(Icon());
    state_.horizontalRemainder = 0.0;
    state_.verticalRemainder = 0.0;
    taskbarCreatedMessage_ = tray_.RegisterTaskbarCreatedMessage();
    AdoptTray();
    // The first periodic save stores the settings, so later starts are quiet.
    if (firstStart && hasTray_) {
        tray_.ShowNotice(Icon(), Icon().tip, kFirstStartNotice);
    }
}

void Lifecycle::AdoptTray() {
    hasTray_ = tray_.IsAvailable();
    window_.SetMinimisedCountsAsHidden(!hasTray_);
}

// A failing save opens a message box, whose message loop keeps the timer
// firing; a run inside that box would open the next box inside the first.
// Once the window is closing, its own saves are the last: a timer firing
// inside their boxes saves (and reports) nothing more.
void Lifecycle::Timer2Timer() {
    if (timer2Running_ || closed_) {
        return;
    }
    RunSaveJob();
}

void Lifecycle::RunSaveJob() {
    FlagScope running(timer2Running_);
    settings_.SaveSettings();
    window_.ApplyButtonNames();
    settings_.LoadSettings();
    processes_.SetPriority(ProcessPriority::Normal);
}

void Lifecycle::ButtonStartClick() {
    SendToBackground();
}

void Lifecycle::SendToBackground() {
    window_.MinimiseApplication();
    if (hasTray_) {
        window_.HideWindow();
    }
}

void Lifecycle::ButtonEndeClick() {
    if (closed_) {
        return;
    }
    closed_ = true;
    FormClose();
    window_.HideWindow();
    FormDestroy();
    window_.Quit();
}

void Lifecycle::FormClose() {
    RunSaveJob();
    settings_.SaveSettings();
}

void Lifecycle::FormDestroy() {
    tray_.RemoveIcon(Icon());
}

void Lifecycle::TrayCallback(TrayEvent event) {
    if (event != TrayEvent::LeftButtonUp || closed_) {
        return;
    }
    // A window the user minimised is out of sight: the click brings it back.
    if (window_.IsShown() && !window_.IsMinimised()) {
        window_.MinimiseApplication();
        window_.HideWindow();
    } else {
        ShowSettings();
    }
}

void Lifecycle::ShowSettings() {
    if (closed_) {
        return;
    }
    window_.ShowWindow();
    window_.RestoreApplication();
    window_.BringToFront();
}

// A notification area that appears later (or restarts) gets the icon; a
// window that was only minimised for want of a tray moves into it.
bool Lifecycle::WindowMessage(std::uint32_t message) {
    if (taskbarCreatedMessage_ == 0 || message != taskbarCreatedMessage_) {
        return false;
    }
    tray_.AddIcon(Icon());
    const bool hadTray = hasTray_;
    AdoptTray();
    if (!hadTray && hasTray_ && window_.IsShown() && window_.IsMinimised()) {
        window_.HideWindow();
    }
    return true;
}

}  // namespace pultara
