#pragma once
#include <string>

namespace pultara {

// Names of the main window's per-mode and per-button controls. Modes are
// 1..4, buttons 1..12. The controls that show a stored setting are named in
// the setting table.
std::string ButtonBoxName(int button);                    // CheckBox3
std::string ButtonCommandEditName(int mode, int button);  // EditM2b3
std::string ButtonLabelName(int mode, int button);        // Label27 for mode 2, button 7
std::string SwitchListName(int mode);                     // ComboBoxM2
std::string DescriptionEditName(int mode);                // EditM2desc
std::string TitleLabelName(int mode);                     // Label22
std::string TitleBoxName(int mode);                       // ComboBoxEditM2titel
std::string CommandEditName(int mode);                    // EditM2kommando
std::string BrowseButtonName(int mode);                   // Button3
std::string ParameterEditName(int mode);                  // EditM2parameter
std::string EnsureFocusBoxName(int mode);                 // CheckBoxM2F
std::string PageName(int mode);                           // Modus2
// The static labels "Button", "Kommando", "Parameter", "Tastaturkommandos".
std::string StaticLabelName(int mode, int which);  // which 0..3
// The seven lists whose entries 1..12 are button names, in the order the
// names are applied.
const char* const* ButtonListNames();  // seven names
inline constexpr int kButtonListCount = 7;

}  // namespace pultara
