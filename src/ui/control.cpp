#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace pultara {

Control::Control(Form& form, std::string name, ControlKind kind, Placement placement)
    : form_(form), name_(std::move(name)), kind_(kind), placement_(std::move(placement)) {}

void Control::SetCaption(const std::string& caption) {
    if (caption_ != caption) {
        caption_ = caption;
        Changed(Property::Caption);
    }
}

std::string Control::Text() const {
    if (getText) {
        return getText();
    }
    if (kind_ == ControlKind::DropDownList) {
        const int index = ItemIndex();
        return index >= 0 ? items_[index] : std::string();
    }
    return text_;
}

void Control::SetText(const std::string& text) {
    if (setText) {
        setText(text);
        return;
    }
    if (kind_ == ControlKind::DropDownList || text_ == text) {
        return;
    }
    text_ = text;
    Changed(Property::Text);
}

bool Control::Checked() const {
    return getChecked ? getChecked() : checked_;
}

void Control::SetChecked(bool checked) {
    if (setChecked) {
        setChecked(checked);
        return;
    }
    if (checked_ != checked) {
        checked_ = checked;
        Changed(Property::Checked);
    }
}

bool Control::Enabled() const {
    return getEnabled ? getEnabled() : enabled_;
}

void Control::SetEnabled(bool enabled) {
    if (setEnabled) {
        setEnabled(enabled);
        return;
    }
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Changed(Property::Enabled);
    }
}

void Control::SetVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        Changed(Property::Visible);
    }
}

void Control::SetColour(ColourRole colour) {
    if (colour_ != colour) {
        colour_ = colour;
        Changed(Property::Colour);
    }
}

void Control::SetItems(std::vector<std::string> items) {
    if (items_ == items) {
        return;
    }
    items_ = std::move(items);
    if (!getItemIndex && itemIndex_ >= static_cast<int>(items_.size())) {
        itemIndex_ = -1;
    }
    Changed(Property::Items);
}

void Control::SetItem(int index, const std::string& text) {
    if (index < 0 || index >= static_cast<int>(items_.size()) || items_[index] == text) {
        return;
    }
    items_[index] = text;
    Changed(Property::Items);
    if (kind_ == ControlKind::EditableComboBox && !getText && index == ItemIndex()) {
        SetText(text);
    }
}

int Control::ItemIndex() const {
    const int index = getItemIndex ? getItemIndex() : itemIndex_;
    return index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

void Control::SetItemIndex(int index) {
    if (setItemIndex) {
        setItemIndex(index);
        return;
    }
    const int next = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (next != itemIndex_) {
        itemIndex_ = next;
        Changed(Property::ItemIndex);
    }
}

void Control::SetPosition(std::int64_t position) {
    const int next = static_cast<int>(
        std::clamp<std::int64_t>(position, look.minimum, std::max(look.minimum, look.maximum)));
    if (next != position_) {
        position_ = next;
        Changed(Property::Position);
    }
}

bool Control::HasFace() const {
    return kind_ != ControlKind::Timer && kind_ != ControlKind::OpenDialog && !look.spacer;
}

bool Control::TakesFocus() const {
    switch (kind_) {
        case ControlKind::Edit:
        case ControlKind::DropDownList:
        case ControlKind::EditableComboBox:
        case ControlKind::CheckBox:
        case ControlKind::Button:
        case ControlKind::PageControl:
        case ControlKind::RichEdit: return HasFace();
        default: return false;
    }
}

std::uint32_t Control::Interval() const {
    return getInterval ? getInterval() : interval_;
}

void Control::SetInterval(std::uint32_t milliseconds) {
    if (!getInterval && interval_ != milliseconds) {
        interval_ = milliseconds;
        Changed(Property::Interval);
    }
}

void Control::Click() {
    if (!Enabled()) {
        return;
    }
    if (kind_ == ControlKind::CheckBox) {
        SetChecked(!Checked());
    } else if (onClick) {
        onClick();
    }
}

void Control::Enter() {
    if (Enabled() && onEnter) {
        onEnter();
    }
}

// A text bound to a setting takes a picked entry but keeps its text when the
// selection goes; a free text field shows exactly the selection.
void Control::ShowSelectedEntry() {
    const int index = ItemIndex();
    if (setText) {
        if (index >= 0) {
            setText(items_[index]);
        }
        return;
    }
    const std::string face = index >= 0 ? items_[index] : std::string();
    if (text_ != face) {
        text_ = face;
        Changed(Property::Text);
    }
}

void Control::Announce(Property property) {
    form_.NotifyControl(*this, property);
}

// An editable combo box whose selection changes shows the selected entry in
// its text field, as picking an entry does.
void Control::Changed(Property property) {
    Announce(property);
    if (property == Property::ItemIndex && kind_ == ControlKind::EditableComboBox) {
        ShowSelectedEntry();
    }
    if (property == Property::Text && onChange) {
        onChange();
    } else if (property == Property::Checked && onClick) {
        onClick();
    }
}

}  // namespace pultara
