#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/setting_rows.h"

namespace pultara {

class ProfileObserver {
public:
    virtual ~ProfileObserver() = default;
    virtual void ProfileChanged(const FieldChange& change) = 0;
};

// The complete set of user settings: the stored settings of the setting
// table, at their defaults until set, and the button names. Readers take each
// value at the moment they run. Every change goes through a setter, which
// tells the observer (the main window's controls, the poll timer) when a
// value really changed; setting a value to the value it holds is no change.
class Profile {
public:
    Profile();

    void SetObserver(ProfileObserver* observer) { observer_ = observer; }

    // Any stored setting by its identity. A number is a Boolean as 0 or 1, a
    // list position (-1 for none) or a number of its type; an identity that
    // names no stored setting (a mode or button out of its range) reads as
    // its field's default and ignores writes.
    const std::string& Text(const FieldChange& id) const {
        const int index = SettingIndex(id);
        return index < 0 ? EmptyText() : slots_[static_cast<std::size_t>(index)].text;
    }
    std::int64_t Number(const FieldChange& id) const {
        const int index = SettingIndex(id);
        return index < 0 ? setting_rows::FieldDefault(id.field)
                         : slots_[static_cast<std::size_t>(index)].number;
    }
    // A number is kept as its type holds it: a Boolean as 0 or 1, a number
    // as its 32 bits (unsigned or signed), a position outside its list as -1.
    void SetText(const FieldChange& id, const std::string& text);
    void SetNumber(const FieldChange& id, std::int64_t number);

    // Readers by name, for the engine and the actions, the poll tick among
    // them. Modes are 1..4, buttons 1..12.
    bool TitleEnabled(int mode) const { return Of<Field::TitleEnabled>(mode) != 0; }
    const std::string& Title(int mode) const { return TextOf<Field::Title>(mode); }
    const std::string& Command(int mode) const { return TextOf<Field::Command>(mode); }
    const std::string& Parameters(int mode) const { return TextOf<Field::Parameters>(mode); }
    const std::string& Description(int mode) const { return TextOf<Field::Description>(mode); }
    bool EnsureFocus(int mode) const { return Of<Field::EnsureFocus>(mode) != 0; }
    int SwitchButton(int mode) const { return static_cast<int>(Of<Field::SwitchButton>(mode)); }
    const std::string& ButtonCommand(int mode, int button) const {
        return TextOf<Field::ButtonCommand>(mode, button);
    }
    // Selected position in the axis's own list (the Z list has no arrow keys).
    int AxisListPosition(Axis axis) const {
        return static_cast<int>(Of<Field::AxisAction>(0, static_cast<int>(axis)));
    }
    int MouseButton(GlobalMouseButton which) const {
        return static_cast<int>(Of<Field::MouseButton>(0, static_cast<int>(which)));
    }
    bool ForceForeground() const { return Global<Field::ForceForeground>() != 0; }
    bool RestoreFocus() const { return Global<Field::RestoreFocus>() != 0; }
    std::int32_t MaxMouseSpeed() const {
        return static_cast<std::int32_t>(Global<Field::MaxMouseSpeed>());
    }
    std::uint32_t UpdateInterval() const {
        return static_cast<std::uint32_t>(Global<Field::UpdateInterval>());
    }

    // Writers by name, for callers that know the setting; a new setting
    // needs none (SetText and SetNumber write any).
    void SetTitleEnabled(int mode, bool on) { SetNumber({Field::TitleEnabled, mode}, on); }
    void SetTitle(int mode, const std::string& text) { SetText({Field::Title, mode}, text); }
    void SetCommand(int mode, const std::string& text) { SetText({Field::Command, mode}, text); }
    void SetParameters(int mode, const std::string& text) {
        SetText({Field::Parameters, mode}, text);
    }
    void SetDescription(int mode, const std::string& text) {
        SetText({Field::Description, mode}, text);
    }
    void SetEnsureFocus(int mode, bool on) { SetNumber({Field::EnsureFocus, mode}, on); }
    void SetSwitchButton(int mode, int position) {
        SetNumber({Field::SwitchButton, mode}, position);
    }
    void SetButtonCommand(int mode, int button, const std::string& text) {
        SetText({Field::ButtonCommand, mode, button}, text);
    }
    void SetAxisListPosition(Axis axis, int position) {
        SetNumber({Field::AxisAction, 0, static_cast<int>(axis)}, position);
    }
    void SetMouseButton(GlobalMouseButton which, int position) {
        SetNumber({Field::MouseButton, 0, static_cast<int>(which)}, position);
    }
    void SetForceForeground(bool on) { SetNumber({Field::ForceForeground}, on); }
    void SetRestoreFocus(bool on) { SetNumber({Field::RestoreFocus}, on); }
    void SetMaxMouseSpeed(std::int32_t speed) { SetNumber({Field::MaxMouseSpeed}, speed); }
    void SetUpdateInterval(std::uint32_t milliseconds) {
        SetNumber({Field::UpdateInterval}, milliseconds);
    }

    // The button names, kept by the names store.
    const std::string& ButtonName(int button) const;
    void SetButtonName(int button, const std::string& name);
    static std::string DefaultButtonName(int button);

private:
    struct Slot {
        std::int64_t number = 0;
        std::string text;
    };

    static const std::string& EmptyText();
    template <Field F>
    const std::string& TextOf(int mode, int button = 0) const {
        const int index = SettingIndex<F>(mode, button);
        return index < 0 ? EmptyText() : slots_[static_cast<std::size_t>(index)].text;
    }
    template <Field F>
    std::int64_t Of(int mode, int button = 0) const {
        const int index = SettingIndex<F>(mode, button);
        return index < 0 ? setting_rows::FieldDefault(F)
                         : slots_[static_cast<std::size_t>(index)].number;
    }
    // A global setting, its row found when the program is compiled.
    template <Field F>
    std::int64_t Global() const {
        constexpr int index = SettingIndex({F});
        static_assert(index >= 0, "not a global stored setting");
        return slots_[static_cast<std::size_t>(index)].number;
    }
    template <typename T>
    void Assign(T& slot, const T& value, const FieldChange& change);

    std::array<Slot, kSettingCount> slots_;
    std::array<std::string, kButtonCount> buttonNames_;
    ProfileObserver* observer_ = nullptr;
};

}  // namespace pultara
