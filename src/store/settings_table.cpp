#include "store/settings_table.h"

namespace pultara {

namespace {

using TextGetter = std::function<std::string(const Profile&)>;
using TextSetter = std::function<void(Profile&, const std::string&)>;
using NumberGetter = std::function<std::uint32_t(const Profile&)>;
using NumberSetter = std::function<void(Profile&, std::uint32_t)>;

SettingEntry Text(std::string name, TextGetter get, TextSetter set) {
    return {std::move(name), SettingKind::Text, std::move(get), std::move(set), {}, {}};
}

SettingEntry Boolean(std::string name, std::function<bool(const Profile&)> get,
                     std::function<void(Profile&, bool)> set) {
    return {std::move(name),
            SettingKind::Boolean,
            {},
            {},
            [get = std::move(get)](const Profile& p) { return get(p) ? 1u : 0u; },
            [set = std::move(set)](Profile& p, std::uint32_t n) { set(p, n != 0); }};
}

SettingEntry Number(std::string name, NumberGetter get, NumberSetter set) {
    return {std::move(name), SettingKind::Number, {}, {}, std::move(get), std::move(set)};
}

// A list position as a dword: -1 (no selection) becomes 0xFFFFFFFF and back.
SettingEntry Position(std::string name, std::function<int(const Profile&)> get,
                      std::function<void(Profile&, int)> set) {
    return Number(
        std::move(name),
        [get = std::move(get)](const Profile& p) { return static_cast<std::uint32_t>(get(p)); },
        [set = std::move(set)](Profile& p, std::uint32_t n) {
            set(p, static_cast<std::int32_t>(n));
        });
}

void AddModeBlock(std::vector<SettingEntry>& table, int m) {
    const std::string M = "M" + std::to_string(m);
    table.push_back(Boolean(
        M + "fte", [m](const Profile& p) { return p.Mode(m).titleEnabled; },
        [m](Profile& p, bool on) { p.SetTitleEnabled(m, on); }));
    table.push_back(Boolean(
        "CheckBox" + M + "F", [m](const Profile& p) { return p.Mode(m).ensureFocus; },
        [m](Profile& p, bool on) { p.SetEnsureFocus(m, on); }));
    table.push_back(Text(
        M + "ft", [m](const Profile& p) { return p.Mode(m).title; },
        [m](Profile& p, const std::string& s) { p.SetTitle(m, s); }));
    table.push_back(Text(
        M + "co", [m](const Profile& p) { return p.Mode(m).command; },
        [m](Profile& p, const std::string& s) { p.SetCommand(m, s); }));
    table.push_back(Text(
        M + "pa", [m](const Profile& p) { return p.Mode(m).parameters; },
        [m](Profile& p, const std::string& s) { p.SetParameters(m, s); }));
    table.push_back(Text(
        M + "desc", [m](const Profile& p) { return p.Mode(m).description; },
        [m](Profile& p, const std::string& s) { p.SetDescription(m, s); }));
    for (int b = 1; b <= kButtonCount; ++b) {
        table.push_back(Text(
            M + "b" + std::to_string(b), [m, b](const Profile& p) { return p.ButtonCommand(m, b); },
            [m, b](Profile& p, const std::string& s) { p.SetButtonCommand(m, b, s); }));
    }
    table.push_back(Position(
        M + "b", [m](const Profile& p) { return p.Mode(m).switchButton.Get(); },
        [m](Profile& p, int n) { p.SetSwitchButton(m, n); }));
}

SettingEntry AxisEntry(std::string name, Axis axis) {
    return Position(
        std::move(name), [axis](const Profile& p) { return p.AxisListPosition(axis); },
        [axis](Profile& p, int n) { p.SetAxisListPosition(axis, n); });
}

SettingEntry MouseButtonEntry(std::string name, GlobalMouseButton which) {
    return Position(
        std::move(name), [which](const Profile& p) { return p.MouseButton(which); },
        [which](Profile& p, int n) { p.SetMouseButton(which, n); });
}

void AddGlobals(std::vector<SettingEntry>& table) {
    table.push_back(AxisEntry("x", Axis::X));
    table.push_back(AxisEntry("y", Axis::Y));
    table.push_back(AxisEntry("z", Axis::Z));
    table.push_back(Boolean(
        "CheckBoxForceForeground", [](const Profile& p) { return p.ForceForeground(); },
        [](Profile& p, bool on) { p.SetForceForeground(on); }));
    table.push_back(Boolean(
        "CheckBoxGoBack", [](const Profile& p) { return p.RestoreFocus(); },
        [](Profile& p, bool on) { p.SetRestoreFocus(on); }));
    // Stored as it is: no range check, a negative speed reverses the pointer.
    table.push_back(Number(
        "_max_mousespeed",
        [](const Profile& p) { return static_cast<std::uint32_t>(p.MaxMouseSpeed()); },
        [](Profile& p, std::uint32_t n) { p.SetMaxMouseSpeed(static_cast<std::int32_t>(n)); }));
    table.push_back(Number(
        "_updatespeed", [](const Profile& p) { return p.UpdateInterval(); },
        [](Profile& p, std::uint32_t n) { p.SetUpdateInterval(n); }));
    table.push_back(MouseButtonEntry("_mausbuttonLeft", GlobalMouseButton::Left));
    table.push_back(MouseButtonEntry("_mausbuttonMiddle", GlobalMouseButton::Middle));
    table.push_back(MouseButtonEntry("_mausbuttonRight", GlobalMouseButton::Right));
}

std::vector<SettingEntry> BuildTable() {
    std::vector<SettingEntry> table;
    for (int m = 1; m <= kModeCount; ++m) {
        AddModeBlock(table, m);
    }
    AddGlobals(table);
    return table;
}

}  // namespace

const std::vector<SettingEntry>& SettingsTable() {
    static const std::vector<SettingEntry> table = BuildTable();
    return table;
}

}  // namespace pultara
