#pragma once
#include <cstdint>

#include "engine/engine_state.h"
#include "engine/profile.h"
#include "ports/processes.h"
#include "ports/tray.h"

namespace pultara {

// Saving and loading the settings, as the lifecycle runs them.
class SettingsJobs {
public:
    virtual ~SettingsJobs() = default;
    virtual void SaveSettings() = 0;
    virtual void LoadSettings() = 0;
    // Whether any settings were stored before; not on a first start.
    virtual bool AnyStored() { return true; }
};

// What the lifecycle asks of the main window and the application.
class LifecycleWindow {
public:
    virtual ~LifecycleWindow() = default;
    virtual bool IsShown() const = 0;
    virtual bool IsMinimised() const = 0;
    virtual void ShowWindow() = 0;
    virtual void HideWindow() = 0;
    virtual void MinimiseApplication() = 0;
    virtual void RestoreApplication() = 0;
    virtual void BringToFront() = 0;
    // Without a tray a minimised window counts as hidden for the dispatcher.
    virtual void SetMinimisedCountsAsHidden(bool on) = 0;
    virtual void CreateWindowTitleList() = 0;
    virtual void ColourTitleBoxes() = 0;
    virtual void ApplyButtonNames() = 0;
    // The main window has closed; the program ends.
    virtual void Quit() = 0;
};

// Start, the periodic save, the tray icon, and the end of the program.
//
// Where the desktop has no notification area the window is minimised
// instead of hidden, since a hidden window could not be brought back.
class Lifecycle {
public:
    Lifecycle(Profile& profile, EngineState& state, SettingsJobs& settings, LifecycleWindow& window,
              Tray& tray, Processes& processes);

    void FormCreate();
    // Every 5000 ms: save, apply the names, load, normal priority. Not
    // started again while a run of it waits in a message box it opened.
    void Timer2Timer();
    void ButtonStartClick();
    // "Beenden" and the close box: closes the main window, which ends the
    // program.
    void ButtonEndeClick();
    void FormClose();
    void FormDestroy();
    // The icon's callback: only a left-button-up toggles the window (a
    // minimised window counts as out of sight).
    void TrayCallback(TrayEvent event);
    // The program started again while it runs: the running copy brings its
    // settings window into view and to the front, shown or not.
    void ShowSettings();
    // A message of the main window's procedure; returns true when it was the
    // "TaskbarCreated" broadcast, after which the icon is added again.
    bool WindowMessage(std::uint32_t message);

    bool Closed() const { return closed_; }
    static TrayIcon Icon() { return TrayIcon{}; }
    // Shown beside the icon on a first start: the first tick hides the
    // window, and a new user would otherwise see nothing of the program.
    static constexpr const char* kFirstStartNotice =
        "Pultara läuft im Infobereich. Ein Klick auf das Symbol zeigt die Einstellungen.";

private:
    void SendToBackground();
    // Save, apply the names, load, normal priority.
    void RunSaveJob();
    void AdoptTray();

    Profile& profile_;
    EngineState& state_;
    SettingsJobs& settings_;
    LifecycleWindow& window_;
    Tray& tray_;
    Processes& processes_;
    std::uint32_t taskbarCreatedMessage_ = 0;
    bool timer2Running_ = false;
    bool closed_ = false;
    bool hasTray_ = false;
};

}  // namespace pultara
