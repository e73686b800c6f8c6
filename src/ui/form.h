#pragma once
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/control.h"
#include "ui/form_observer.h"

namespace pultara {

// How a renderer that places controls in pixels arranges a form.
enum class FormLayout {
    Stretch,    // a view fills the resizable window, the buttons sit below it (help)
    Groups,     // numbered groups in columns, the mode pages as tabs (main window)
    FieldRows,  // a label and a field per row, the buttons below (rename dialog)
    Panels,     // nested panels around a picture and texts, a button below (about box)
};

// A top-level window of the form model: its caption, whether it is shown
// and minimised, and its controls in focus order (a front end creates the
// widgets in this order, so the keyboard focus moves the same way).
class Form {
public:
    Form(std::string name, std::string caption);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Iconic; also set by the front end when the user minimises or restores.
    bool Minimised() const { return minimised_; }
    void SetMinimised(bool minimised);
    // Opens maximised (help window).
    bool startMaximised = false;
    // Sizes itself to its contents.
    bool autoSize = true;
    // Which arrangement its controls' placements follow.
    FormLayout layout = FormLayout::Stretch;
    // The control that holds the keyboard focus when the form opens; empty
    // for the first control that can take it.
    std::string activeControl;
    // The control a front end gives the focus when the form opens: the
    // activeControl, or else (or when that is disabled or hidden) the first
    // enabled and shown control in focus order that takes the focus. Null
    // when there is none.
    Control* FocusControl() const;
    // The button Enter presses unless the focus is on another button; null
    // for a form without one.
    Control* DefaultButton() const;
    // The control whose tab pages are its children; null for none.
    Control* PageControl() const;
    // The Escape key in the form's window: what `onEscape` does (a dialog
    // closes or cancels); nothing for a form without one.
    void PressEscape() const {
        if (onEscape) {
            onEscape();
        }
    }
    std::function<void()> onEscape;
    // Runs what the user did in this form's window (a click, an edit, a key)
    // through `entryGuard`: the program's guard turns an error into its error
    // box, so no error leaves the front end's event handler.
    void RunEntry(const std::function<void()>& entry) const {
        if (entryGuard) {
            entryGuard(entry);
        } else {
            entry();
        }
    }
    std::function<void(const std::function<void()>&)> entryGuard;
    // Whether `control`'s text is rich text (RTF) rather than plain text.
    virtual bool ShowsRichText(const Control& /*control*/) const { return false; }

    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    // The control of that name, or null.
    Control* Find(const std::string& name) const;
    // The control of that name; throws std::out_of_range when there is none.
    Control& Get(const std::string& name) const;
    // The controls whose parent is `parent`, in focus order.
    std::vector<Control*> Children(const std::string& parent) const;

    void AddObserver(FormObserver* observer);
    void RemoveObserver(FormObserver* observer);

    // Non-visual components the form owns, by class name (the visual-styles
    // component counts its twins here).
    std::vector<std::string> components;

    // Used by Control to report its changes.
    void NotifyControl(const Control& control, Property property) const;

protected:
    Control& Add(std::string name, ControlKind kind, Placement placement);
    Control& AddLabel(std::string name, const std::string& caption, Placement placement);

private:
    void NotifyForm(Property property) const;

    std::string name_;
    std::string caption_;
    bool visible_ = false;
    bool minimised_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<std::string, Control*> byName_;
    std::vector<FormObserver*> observers_;
};

}  // namespace pultara
