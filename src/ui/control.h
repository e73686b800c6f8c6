#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pultara {

class Form;

// What a control is; front ends pick their widget by it.
enum class ControlKind {
    Label,
    Edit,              // single-line text field
    DropDownList,      // list without free text
    EditableComboBox,  // text field with a drop-down list
    CheckBox,
    ProgressBar,
    Button,
    PageControl,
    TabPage,
    Panel,
    Image,
    RichEdit,
    Timer,       // no face: the front end runs it at Interval() while Enabled()
    OpenDialog,  // no face: shown through the FileDialog port
};

// Colours the program names; everything else is the platform's default.
enum class ColourRole { Default, Window, ButtonFace, Navy, Grey, White };

// Observable properties, for change notifications.
enum class Property {
    Caption,
    Text,
    Checked,
    Enabled,
    Visible,
    Colour,
    Items,
    ItemIndex,
    Position,
    Interval,
    Minimised,
};

// Where a control sits: its parent (a form, a page or a panel, by name) and a
// grid cell inside it. Exact sizes are the front end's.
struct Placement {
    std::string parent;
    int row = 0;
    int column = 0;
    int group = 0;  // the main window's groups 1..8 (0 elsewhere)
};

// How a control looks beyond its state; fixed when the form is built.
struct Appearance {
    std::string hint;  // tooltip; empty for none
    bool bold = false;
    bool underline = false;
    bool handCursor = false;
    bool wordWrap = false;
    bool defaultButton = false;  // Enter presses it
    bool lowered = false;        // panel bevel
    bool scrollBars = false;
    int dropDownRows = 0;  // list height in rows
    int minimum = 0;       // progress bar range
    int maximum = 0;
    bool spacer = false;  // keeps a distance in the classic layout; no widget
    // The caption is a name the user chose: as wide as a default name at
    // most, a longer one cut with "…" and shown whole as the tooltip.
    bool elide = false;
};

// The properties a front end draws when it creates a control's widget, in
// this order: the entries before the selection, the selection before the
// text of an editable list.
inline constexpr Property kRenderedProperties[] = {
    Property::Items,   Property::ItemIndex, Property::Caption,
    Property::Text,    Property::Checked,   Property::Enabled,
    Property::Visible, Property::Colour,    Property::Position,
};

// One control of a form and its observable state. State that is a setting
// is read and written through a binding to the Profile, so every reader sees
// what the control shows; the rest lives here. Every real change is reported
// to the form's observers; setting a value to the value it holds is no
// change.
class Control {
public:
    Control(Form& form, std::string name, ControlKind kind, Placement placement);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    ControlKind Kind() const { return kind_; }
    // Whether a front end gives it a widget: timers, the open dialog and
    // spacer labels have none.
    bool HasFace() const;
    // Whether its widget can hold the keyboard focus when enabled and shown.
    bool TakesFocus() const;
    const Placement& Where() const { return placement_; }
    Form& Owner() const { return form_; }
    Appearance look;

    // Labels, buttons, check boxes, tab pages.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // Edits, combo boxes (the face text), rich edits. A drop-down list's text
    // is its selected entry, or empty without a selection.
    std::string Text() const;
    void SetText(const std::string& text);

    bool Checked() const;
    // A change of state raises the click event.
    void SetChecked(bool checked);

    bool Enabled() const;
    void SetEnabled(bool enabled);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    ColourRole Colour() const { return colour_; }
    void SetColour(ColourRole colour);

    const std::vector<std::string>& Items() const { return items_; }
    // Replacing the items keeps the edit text of an editable combo box.
    void SetItems(std::vector<std::string> items);
    // Replaces one entry; the others and the selection stay.
    void SetItem(int index, const std::string& text);
    // -1 when nothing is selected; a position outside the list reads -1.
    int ItemIndex() const;
    void SetItemIndex(int index);

    // Progress bars: kept within [minimum, maximum].
    int Position() const { return position_; }
    void SetPosition(std::int64_t position);

    // Timers.
    std::uint32_t Interval() const;
    void SetInterval(std::uint32_t milliseconds);
    // A timer ticks while it is enabled and has a non-zero interval.
    bool Runs() const { return Enabled() && Interval() != 0; }

    // What the user does, forwarded by front ends. A click on a check box
    // toggles it; a click on a label or button raises its click event.
    void Click();
    // The keyboard focus enters the control.
    void Enter();

    // Event handlers, installed by the form's logic.
    std::function<void()> onClick;
    std::function<void()> onChange;
    std::function<void()> onEnter;

    // Bindings of state that is a setting (or engine state). The setter's
    // change must come back through Changed().
    std::function<std::string()> getText;
    std::function<void(const std::string&)> setText;
    std::function<bool()> getChecked;
    std::function<void(bool)> setChecked;
    std::function<bool()> getEnabled;
    std::function<void(bool)> setEnabled;
    std::function<int()> getItemIndex;
    std::function<void(int)> setItemIndex;
    std::function<std::uint32_t()> getInterval;

    // Reports a change of `property` to the observers and raises the event
    // that belongs to it (change for text, click for a check box's state).
    void Changed(Property property);
    // Reports a change without raising any event.
    void Announce(Property property);

private:
    void ShowSelectedEntry();

    Form& form_;
    std::string name_;
    ControlKind kind_;
    Placement placement_;
    std::string caption_;
    std::string text_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    ColourRole colour_ = ColourRole::Default;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int position_ = 0;
    std::uint32_t interval_ = 0;
};

}  // namespace pultara
