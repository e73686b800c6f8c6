#include "engine/profile.h"

namespace pultara {

namespace {

bool ValidButton(int button) {
    return button >= 1 && button <= kButtonCount;
}

// `number` as the setting's type keeps it.
std::int64_t Kept(const SettingDeclaration& setting, std::int64_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    switch (setting.type) {
        case SettingType::Boolean: return number != 0 ? 1 : 0;
        case SettingType::Number: return bits;
        case SettingType::SignedNumber: return static_cast<std::int32_t>(bits);
        case SettingType::ListPosition: {
            const std::int32_t position = static_cast<std::int32_t>(bits);
            return position >= 0 && position < setting.listSize ? position : kNoSelection;
        }
        case SettingType::Text: break;
    }
    return 0;
}

}  // namespace

Profile::Profile() {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        slots_[i].number = kSettingRows[i].declared->initial;
    }
    for (int button = 1; button <= kButtonCount; ++button) {
        buttonNames_[button - 1] = DefaultButtonName(button);
    }
}

const std::string& Profile::EmptyText() {
    static const std::string empty;
    return empty;
}

std::string Profile::DefaultButtonName(int button) {
    return "Button " + std::to_string(button);
}

template <typename T>
void Profile::Assign(T& slot, const T& value, const FieldChange& change) {
    if (slot == value) {
        return;
    }
    slot = value;
    if (observer_ != nullptr) {
        observer_->ProfileChanged(change);
    }
}

void Profile::SetText(const FieldChange& id, const std::string& text) {
    const int index = SettingIndex(id);
    if (index < 0) {
        return;
    }
    const auto at = static_cast<std::size_t>(index);
    if (kSettingRows[at].declared->type == SettingType::Text) {
        Assign(slots_[at].text, text, id);
    }
}

void Profile::SetNumber(const FieldChange& id, std::int64_t number) {
    const int index = SettingIndex(id);
    if (index < 0) {
        return;
    }
    const auto at = static_cast<std::size_t>(index);
    const SettingDeclaration& setting = *kSettingRows[at].declared;
    if (setting.type != SettingType::Text) {
        Assign(slots_[at].number, Kept(setting, number), id);
    }
}

const std::string& Profile::ButtonName(int button) const {
    return ValidButton(button) ? buttonNames_[button - 1] : EmptyText();
}

void Profile::SetButtonName(int button, const std::string& name) {
    if (ValidButton(button)) {
        Assign(buttonNames_[button - 1], name, {Field::ButtonName, 0, button});
    }
}

}  // namespace pultara
