#pragma once
#include <array>

#include "engine/dispatcher.h"
#include "engine/engine_state.h"
#include "engine/operations.h"
#include "engine/profile.h"
#include "ui/form.h"
#include "ui/visual_styles.h"

namespace pultara {

// TFormMain: the live display of the joystick and the editor of the Profile.
// Every setting is a view of its Profile field; the button boxes are views
// of the engine's checked states. Captions, hints, list entries, colours,
// tab captions and bar positions live here.
class MainForm : public Form, public MainWindowPort {
public:
    MainForm(Profile& profile, EngineState& state);

    // The button boxes change through the dispatcher, so that a click on
    // one is a button event.
    void BindButtonBoxes(Dispatcher& dispatcher);

    // Profile changes come in here and are reported as control changes.
    void ProfileChanged(const FieldChange& change);

    // Without a tray the window is minimised instead of hidden, and a
    // minimised window then counts as hidden.
    void SetMinimisedCountsAsHidden(bool on) { minimisedCountsAsHidden_ = on; }
    bool MinimisedCountsAsHidden() const { return minimisedCountsAsHidden_; }

    // MainWindowPort.
    bool IsMainWindowVisible() const override;
    void ButtonStartClick() override;
    void ShowAxisPositions(const JoystickSample& sample) override;
    void ShowButtonChecked(int button, bool checked) override;

    // Controls by role (modes 1..4, buttons 1..12).
    Control& ButtonBox(int button) const;
    Control& TitleBox(int mode) const;
    Control& Page(int mode) const;
    // The poll timer runs the tick at the Profile's update interval; the
    // save timer writes the settings now and then.
    Control& PollTimer() const { return *pollTimer_; }
    Control& SaveTimer() const { return *saveTimer_; }

private:
    void BuildStatusAndAxes();
    void BuildMouseButtons();
    void BuildButtonBoxes();
    void BuildFocusFlags();
    void BuildModePages();
    void BuildModePage(int mode);
    void BuildNotes();
    void BuildCommandButtons();
    void BuildComponents();
    void BindSettings();
    void BindButtonStates();

    Profile& profile_;
    EngineState& state_;
    bool minimisedCountsAsHidden_ = false;
    Control* pollTimer_ = nullptr;
    Control* saveTimer_ = nullptr;
    // The control that shows each stored setting, by its row in the setting
    // table; null for none.
    std::array<Control*, kSettingCount> shownBy_{};
    VisualStyles visualStyles1_{*this};
};

// Entries of the axis-action lists and of the button lists.
std::vector<std::string> AxisListEntriesXY();
std::vector<std::string> AxisListEntriesZ();
std::vector<std::string> ButtonListEntries();

}  // namespace pultara
