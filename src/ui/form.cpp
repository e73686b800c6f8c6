#include "ui/form.h"

#include <algorithm>
#include <stdexcept>

namespace pultara {

Form::Form(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

void Form::SetCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        NotifyForm(Property::Caption);
    }
}

void Form::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        NotifyForm(Property::Visible);
    }
}

void Form::SetMinimised(bool minimised) {
    if (minimised_ != minimised) {
        minimised_ = minimised;
        NotifyForm(Property::Minimised);
    }
}

Control* Form::Find(const std::string& name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

Control& Form::Get(const std::string& name) const {
    Control* control = Find(name);
    if (control == nullptr) {
        throw std::out_of_range(name_ + " has no control " + name);
    }
    return *control;
}

std::vector<Control*> Form::Children(const std::string& parent) const {
    std::vector<Control*> children;
    for (const auto& control : controls_) {
        if (control->Where().parent == parent) {
            children.push_back(control.get());
        }
    }
    return children;
}

Control* Form::FocusControl() const {
    auto canTake = [](const Control& control) {
        return control.TakesFocus() && control.Enabled() && control.Visible();
    };
    if (Control* active = activeControl.empty() ? nullptr : Find(activeControl);
        active != nullptr && canTake(*active)) {
        return active;
    }
    for (const auto& control : controls_) {
        if (canTake(*control)) {
            return control.get();
        }
    }
    return nullptr;
}

Control* Form::DefaultButton() const {
    for (const auto& control : controls_) {
        if (control->Kind() == ControlKind::Button && control->look.defaultButton) {
            return control.get();
        }
    }
    return nullptr;
}

Control* Form::PageControl() const {
    for (const auto& control : controls_) {
        if (control->Kind() == ControlKind::PageControl) {
            return control.get();
        }
    }
    return nullptr;
}

void Form::AddObserver(FormObserver* observer) {
    observers_.push_back(observer);
}

void Form::RemoveObserver(FormObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Form::NotifyControl(const Control& control, Property property) const {
    for (FormObserver* observer : observers_) {
        observer->ControlChanged(control, property);
    }
}

void Form::NotifyForm(Property property) const {
    for (FormObserver* observer : observers_) {
        observer->FormChanged(*this, property);
    }
}

Control& Form::Add(std::string name, ControlKind kind, Placement placement) {
    auto control = std::make_unique<Control>(*this, std::move(name), kind, std::move(placement));
    if (!byName_.emplace(control->Name(), control.get()).second) {
        throw std::logic_error(name_ + " has two controls named " + control->Name());
    }
    controls_.push_back(std::move(control));
    return *controls_.back();
}

Control& Form::AddLabel(std::string name, const std::string& caption, Placement placement) {
    Control& label = Add(std::move(name), ControlKind::Label, std::move(placement));
    label.SetCaption(caption);
    return label;
}

}  // namespace pultara
