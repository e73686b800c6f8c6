#pragma once
#include <cstdint>
#include <string_view>

// The stored settings, each declared once: which field it is, the name of its
// value under the settings key, its type and default, and the main window's
// control that shows it. The Profile, the settings store and the main
// window's bindings all read this table; a new setting is a new Field and a
// new line here.

namespace pultara {

inline constexpr int kModeCount = 4;
inline constexpr int kButtonCount = 12;

enum class Axis { X = 0, Y = 1, Z = 2 };
enum class GlobalMouseButton { Left = 0, Middle = 1, Right = 2 };

// Sizes of the program's lists.
inline constexpr int kAxisListSizeXY = 15;  // "keine Aktion" .. "Mausachse Y (-1)"
inline constexpr int kAxisListSizeZ = 11;   // no arrow-key entries
inline constexpr int kButtonListSize = 13;  // "- kein", Button 1 .. Button 12

// Which setting changed, for observers of the Profile. `mode` is 1..4 and
// `button` 1..12 where the field is indexed, 0 otherwise. With `mode` and
// `button` it names one setting.
enum class Field {
    TitleEnabled,
    Title,
    Command,
    Parameters,
    Description,
    EnsureFocus,
    SwitchButton,
    ButtonCommand,
    AxisAction,   // `button` holds the Axis
    MouseButton,  // `button` holds the GlobalMouseButton
    ForceForeground,
    RestoreFocus,
    MaxMouseSpeed,
    UpdateInterval,
    ButtonName,  // kept by the names store, not in this table
};

struct FieldChange {
    Field field;
    int mode = 0;
    int button = 0;
    bool operator==(const FieldChange&) const = default;
};

// How a setting's value is kept, in the Profile and under the settings key.
enum class SettingType {
    Text,          // string
    Boolean,       // dword 0 or 1; any nonzero dword reads as true
    Number,        // dword, unsigned
    SignedNumber,  // dword holding a signed number as it is, no range check
    ListPosition,  // dword: a list's selected position; none (-1) is 0xFFFFFFFF,
                   // a position outside the list reads as none
};

// The property of its control in the main window that shows a setting.
enum class SettingView { None, Text, Checked, Enabled, ItemIndex, Interval };

inline constexpr std::int64_t kNoSelection = -1;

// One declaration. In the block of a mode, "{m}" in `name` and `control`
// stands for the mode's number and "{b}" for a button's; a declaration with
// "{b}" declares one setting for each of the buttons 1..12.
struct SettingDeclaration {
    Field field;
    int button = 0;  // a global's axis or mouse button, as in FieldChange
    std::string_view name;
    SettingType type = SettingType::Text;
    std::int64_t initial = 0;  // the default of a number; texts start empty
    int listSize = 0;          // the list's entries, for a ListPosition
    std::string_view control = {};
    SettingView view = SettingView::None;
};

// Declarations of each type; a list position starts without a selection
// and shows as its list's selected entry.
namespace declare {
constexpr SettingDeclaration Text(Field field, std::string_view name, std::string_view control) {
    return {.field = field, .name = name, .control = control, .view = SettingView::Text};
}
constexpr SettingDeclaration Boolean(Field field, std::string_view name, bool initial,
                                     std::string_view control, SettingView view) {
    return {.field = field,
            .name = name,
            .type = SettingType::Boolean,
            .initial = initial ? 1 : 0,
            .control = control,
            .view = view};
}
constexpr SettingDeclaration List(Field field, int button, std::string_view name, int size,
                                  std::string_view control) {
    return {.field = field,
            .button = button,
            .name = name,
            .type = SettingType::ListPosition,
            .initial = kNoSelection,
            .listSize = size,
            .control = control,
            .view = SettingView::ItemIndex};
}
constexpr SettingDeclaration Number(Field field, std::string_view name, SettingType type,
                                    std::int64_t initial, std::string_view control = {},
                                    SettingView view = SettingView::None) {
    return {.field = field,
            .name = name,
            .type = type,
            .initial = initial,
            .control = control,
            .view = view};
}
}  // namespace declare

// The block of each mode, modes 1..4 one after the other, in stored order.
inline constexpr SettingDeclaration kModeSettings[] = {
    declare::Boolean(Field::TitleEnabled, "M{m}fte", true, "ComboBoxEditM{m}titel",
                     SettingView::Enabled),
    declare::Boolean(Field::EnsureFocus, "CheckBoxM{m}F", false, "CheckBoxM{m}F",
                     SettingView::Checked),
    declare::Text(Field::Title, "M{m}ft", "ComboBoxEditM{m}titel"),
    declare::Text(Field::Command, "M{m}co", "EditM{m}kommando"),
    declare::Text(Field::Parameters, "M{m}pa", "EditM{m}parameter"),
    declare::Text(Field::Description, "M{m}desc", "EditM{m}desc"),
    declare::Text(Field::ButtonCommand, "M{m}b{b}", "EditM{m}b{b}"),
    declare::List(Field::SwitchButton, 0, "M{m}b", kButtonListSize, "ComboBoxM{m}"),
};

// The global settings, after the blocks of the modes, in stored order.
inline constexpr SettingDeclaration kGlobalSettings[] = {
    declare::List(Field::AxisAction, static_cast<int>(Axis::X), "x", kAxisListSizeXY, "ComboBox1"),
    declare::List(Field::AxisAction, static_cast<int>(Axis::Y), "y", kAxisListSizeXY, "ComboBox2"),
    declare::List(Field::AxisAction, static_cast<int>(Axis::Z), "z", kAxisListSizeZ, "ComboBox3"),
    declare::Boolean(Field::ForceForeground, "CheckBoxForceForeground", true,
                     "CheckBoxForceForeground", SettingView::Checked),
    declare::Boolean(Field::RestoreFocus, "CheckBoxGoBack", true, "CheckBoxGoBack",
                     SettingView::Checked),
    // A negative speed reverses the pointer; no control shows it.
    declare::Number(Field::MaxMouseSpeed, "_max_mousespeed", SettingType::SignedNumber, 32),
    // The poll timer runs the tick at this interval, in milliseconds.
    declare::Number(Field::UpdateInterval, "_updatespeed", SettingType::Number, 10, "Timer1",
                    SettingView::Interval),
    declare::List(Field::MouseButton, static_cast<int>(GlobalMouseButton::Left), "_mausbuttonLeft",
                  kButtonListSize, "ComboBoxMausL"),
    declare::List(Field::MouseButton, static_cast<int>(GlobalMouseButton::Middle),
                  "_mausbuttonMiddle", kButtonListSize, "ComboBoxMausM"),
    declare::List(Field::MouseButton, static_cast<int>(GlobalMouseButton::Right),
                  "_mausbuttonRight", kButtonListSize, "ComboBoxMausR"),
};

}  // namespace pultara
