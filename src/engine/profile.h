#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "engine/list_position.h"

namespace pultara {

inline constexpr int kModeCount = 4;
inline constexpr int kButtonCount = 12;

enum class Axis { X = 0, Y = 1, Z = 2 };
enum class GlobalMouseButton { Left = 0, Middle = 1, Right = 2 };

// Which setting changed, for observers of the Profile. `mode` is 1..4 and
// `button` 1..12 where the field is indexed, 0 otherwise.
enum class Field {
    TitleEnabled,
    Title,
    Command,
    Parameters,
    Description,
    EnsureFocus,
    SwitchButton,
    ButtonCommand,
    AxisAction,   // `button` holds the axis: 0 X, 1 Y, 2 Z
    MouseButton,  // `button` holds the GlobalMouseButton
    ForceForeground,
    RestoreFocus,
    MaxMouseSpeed,
    UpdateInterval,
    ButtonName,
};

struct FieldChange {
    Field field;
    int mode = 0;
    int button = 0;
};

class ProfileObserver {
public:
    virtual ~ProfileObserver() = default;
    virtual void ProfileChanged(const FieldChange& change) = 0;
};

// Everything the user sets for one mode.
struct ModeConfig {
    bool titleEnabled = true;
    std::string title;
    std::string command;
    std::string parameters;
    std::string description;
    bool ensureFocus = false;
    ListPosition switchButton{kButtonListSize};
    std::array<std::string, kButtonCount> buttonCommands;
};

// The complete set of user settings. Readers take each value at the moment
// they run. Every change goes through a setter, which tells the observer
// (the main window's controls, the poll timer) when a value really changed;
// setting a value to the value it holds is no change.
class Profile {
public:
    Profile();

    void SetObserver(ProfileObserver* observer) { observer_ = observer; }

    // Modes are numbered 1..4; an invalid number yields an empty mode that
    // is never stored.
    const ModeConfig& Mode(int mode) const;
    // KeyCommand of `button` (1..12) in `mode` (1..4); empty when either
    // number is outside its range.
    const std::string& ButtonCommand(int mode, int button) const;

    void SetTitleEnabled(int mode, bool enabled);
    void SetTitle(int mode, const std::string& text);
    void SetCommand(int mode, const std::string& text);
    void SetParameters(int mode, const std::string& text);
    void SetDescription(int mode, const std::string& text);
    void SetEnsureFocus(int mode, bool on);
    void SetSwitchButton(int mode, int position);
    void SetButtonCommand(int mode, int button, const std::string& text);

    // Selected position in the axis's own list (the Z list has no arrow keys).
    int AxisListPosition(Axis axis) const { return axisActions_[Index(axis)].Get(); }
    void SetAxisListPosition(Axis axis, int position);
    int MouseButton(GlobalMouseButton which) const { return mouseButtons_[Index(which)].Get(); }
    void SetMouseButton(GlobalMouseButton which, int position);

    bool ForceForeground() const { return forceForeground_; }
    void SetForceForeground(bool on);
    bool RestoreFocus() const { return restoreFocus_; }
    void SetRestoreFocus(bool on);
    std::int32_t MaxMouseSpeed() const { return maxMouseSpeed_; }
    void SetMaxMouseSpeed(std::int32_t speed);
    std::uint32_t UpdateInterval() const { return updateInterval_; }
    void SetUpdateInterval(std::uint32_t milliseconds);

    const std::string& ButtonName(int button) const;
    void SetButtonName(int button, const std::string& name);
    static std::string DefaultButtonName(int button);

private:
    static constexpr int Index(Axis a) { return static_cast<int>(a); }
    static constexpr int Index(GlobalMouseButton b) { return static_cast<int>(b); }
    ModeConfig* MutableMode(int mode);
    template <typename T>
    void Assign(T& slot, const T& value, FieldChange change);
    void Notify(FieldChange change);

    std::array<ModeConfig, kModeCount> modes_;
    std::array<ListPosition, 3> axisActions_{
        ListPosition{kAxisListSizeXY}, ListPosition{kAxisListSizeXY}, ListPosition{kAxisListSizeZ}};
    std::array<ListPosition, 3> mouseButtons_{ListPosition{kButtonListSize},
                                              ListPosition{kButtonListSize},
                                              ListPosition{kButtonListSize}};
    bool forceForeground_ = true;
    bool restoreFocus_ = true;
    std::int32_t maxMouseSpeed_ = 32;
    std::uint32_t updateInterval_ = 10;
    std::array<std::string, kButtonCount> buttonNames_;
    ProfileObserver* observer_ = nullptr;
};

}  // namespace pultara
