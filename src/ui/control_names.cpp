#include "ui/control_names.h"

#include <array>

#include "engine/setting_rows.h"

namespace pultara {

namespace {

// Label numbers of buttons 1..12 on the pages of modes 1..4.
constexpr std::array<std::array<int, 12>, 4> kButtonLabels{{
    {3, 4, 5, 6, 7, 8, 12, 14, 15, 16, 17, 18},
    {26, 28, 29, 30, 31, 32, 27, 37, 36, 35, 34, 33},
    {43, 45, 46, 47, 48, 49, 44, 54, 53, 52, 51, 50},
    {60, 62, 63, 64, 65, 66, 61, 71, 70, 69, 68, 67},
}};
constexpr std::array<std::array<int, 4>, 4> kStaticLabels{{
    {11, 1, 2, 10},
    {21, 23, 24, 25},
    {38, 40, 41, 42},
    {55, 57, 58, 59},
}};
constexpr std::array<int, 4> kTitleLabels{9, 22, 39, 56};
constexpr std::array<const char*, 4> kBrowseButtons{"ButtonSearch", "Button3", "Button4",
                                                    "Button5"};
constexpr std::array<const char*, 7> kButtonLists{"ComboBoxMausL", "ComboBoxMausM", "ComboBoxMausR",
                                                  "ComboBoxM1",    "ComboBoxM2",    "ComboBoxM3",
                                                  "ComboBoxM4"};

std::string Label(int number) {
    return "Label" + std::to_string(number);
}

}  // namespace

std::string ButtonBoxName(int button) {
    return "CheckBox" + std::to_string(button);
}
std::string ButtonCommandEditName(int mode, int button) {
    return SettingControlName({Field::ButtonCommand, mode, button});
}
std::string ButtonLabelName(int mode, int button) {
    return Label(kButtonLabels.at(mode - 1).at(button - 1));
}
std::string SwitchListName(int mode) {
    return SettingControlName({Field::SwitchButton, mode});
}
std::string DescriptionEditName(int mode) {
    return SettingControlName({Field::Description, mode});
}
std::string TitleLabelName(int mode) {
    return Label(kTitleLabels.at(mode - 1));
}
std::string TitleBoxName(int mode) {
    return SettingControlName({Field::Title, mode});
}
std::string CommandEditName(int mode) {
    return SettingControlName({Field::Command, mode});
}
std::string BrowseButtonName(int mode) {
    return kBrowseButtons.at(mode - 1);
}
std::string ParameterEditName(int mode) {
    return SettingControlName({Field::Parameters, mode});
}
std::string EnsureFocusBoxName(int mode) {
    return SettingControlName({Field::EnsureFocus, mode});
}
std::string PageName(int mode) {
    return "Modus" + std::to_string(mode);
}
std::string StaticLabelName(int mode, int which) {
    return Label(kStaticLabels.at(mode - 1).at(which));
}
const char* const* ButtonListNames() {
    return kButtonLists.data();
}

}  // namespace pultara
