#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/setting_rows.h"
#include "store_rig.h"

namespace pultara::testing {
namespace {

using fake::Quoted;

// The value names of one mode block, written out for mode 1.
const std::vector<std::pair<std::string, int>> kModeOneBlock = {
    {"M1fte", 4},  {"CheckBoxM1F", 4}, {"M1ft", 1},  {"M1co", 1}, {"M1pa", 1},
    {"M1desc", 1}, {"M1b1", 1},        {"M1b2", 1},  {"M1b3", 1}, {"M1b4", 1},
    {"M1b5", 1},   {"M1b6", 1},        {"M1b7", 1},  {"M1b8", 1}, {"M1b9", 1},
    {"M1b10", 1},  {"M1b11", 1},       {"M1b12", 1}, {"M1b", 4},
};

const std::vector<std::pair<std::string, int>> kGlobals = {
    {"x", 4},
    {"y", 4},
    {"z", 4},
    {"CheckBoxForceForeground", 4},
    {"CheckBoxGoBack", 4},
    {"_max_mousespeed", 4},
    {"_updatespeed", 4},
    {"_mausbuttonLeft", 4},
    {"_mausbuttonMiddle", 4},
    {"_mausbuttonRight", 4},
};

// Mode m's names: the digit behind "M" becomes m.
std::vector<std::pair<std::string, int>> ExpectedValues() {
    std::vector<std::pair<std::string, int>> all;
    for (int m = 1; m <= 4; ++m) {
        for (auto [name, type] : kModeOneBlock) {
            name[name.find("M1") + 1] = static_cast<char>('0' + m);
            all.emplace_back(name, type);
        }
    }
    all.insert(all.end(), kGlobals.begin(), kGlobals.end());
    return all;
}

std::uint32_t StoredDword(StoreRig& rig, const std::string& name) {
    return ReadDword(rig.platform.store.Get(kSettingsKey, name)).value();
}

TEST(SettingsSave, FirstStartCreatesAllValuesInOrderWithTheirTypes) {
    StoreRig rig;
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);

    std::vector<std::string> expected{"RegCreateKeyExA(" + Quoted(kSettingsKey) + ")"};
    for (const auto& [name, type] : ExpectedValues()) {
        expected.push_back("RegSetValueExA(" + Quoted(name) + ", " + std::to_string(type) + ")");
    }
    expected.push_back("RegCloseKey");
    EXPECT_EQ(rig.platform.log.Lines(), expected);
    EXPECT_EQ(expected.size(), 86u + 2u);
}

TEST(SettingsSave, FirstStartStoresTheDefaults) {
    StoreRig rig;
    rig.settings.SaveSettings();
    for (const auto& [name, type] : ExpectedValues()) {
        if (type == 1) {
            EXPECT_EQ(rig.platform.store.Get(kSettingsKey, name)->data,
                      std::vector<std::uint8_t>{0})
                << name;
        }
    }
    for (int m = 1; m <= 4; ++m) {
        const std::string M = "M" + std::to_string(m);
        EXPECT_EQ(StoredDword(rig, M + "fte"), 1u);
        EXPECT_EQ(StoredDword(rig, "CheckBox" + M + "F"), 0u);
        EXPECT_EQ(StoredDword(rig, M + "b"), 0xFFFFFFFFu);
    }
    for (const char* name :
         {"x", "y", "z", "_mausbuttonLeft", "_mausbuttonMiddle", "_mausbuttonRight"}) {
        EXPECT_EQ(StoredDword(rig, name), 0xFFFFFFFFu) << name;
    }
    EXPECT_EQ(StoredDword(rig, "CheckBoxForceForeground"), 1u);
    EXPECT_EQ(StoredDword(rig, "CheckBoxGoBack"), 1u);
    EXPECT_EQ(StoredDword(rig, "_max_mousespeed"), 32u);
    EXPECT_EQ(StoredDword(rig, "_updatespeed"), 10u);
}

TEST(SettingsSave, TheTableIsTheOneOrderOfBothOperations) {
    std::vector<std::string> names;
    names.reserve(kSettingRows.size());
    for (const SettingRow& row : kSettingRows) {
        names.push_back(ValueName(row));
    }
    std::vector<std::string> expected;
    for (const auto& [name, type] : ExpectedValues()) {
        expected.push_back(name);
    }
    EXPECT_EQ(names, expected);
}

TEST(SettingsSave, EveryFieldSurvivesASaveAndALoad) {
    StoreRig rig;
    Profile& p = rig.profile;
    for (int m = 1; m <= 4; ++m) {
        const std::string tag = "m" + std::to_string(m);
        p.SetTitleEnabled(m, m % 2 == 0);
        p.SetEnsureFocus(m, m % 2 == 1);
        p.SetTitle(m, tag + " Titel \"mit\" Anführung");
        p.SetCommand(m, tag + " C:\\Programme\\spieler.exe");
        p.SetParameters(m, tag + " /play");
        p.SetDescription(m, tag + " Beschreibung");
        p.SetSwitchButton(m, m + 8);
        for (int b = 1; b <= 12; ++b) {
            p.SetButtonCommand(m, b, tag + "{F" + std::to_string(b) + "}");
        }
    }
    p.SetAxisListPosition(Axis::X, 14);
    p.SetAxisListPosition(Axis::Y, 0);
    p.SetAxisListPosition(Axis::Z, 10);
    p.SetMouseButton(GlobalMouseButton::Left, 1);
    p.SetMouseButton(GlobalMouseButton::Middle, 0);
    p.SetMouseButton(GlobalMouseButton::Right, 12);
    p.SetForceForeground(false);
    p.SetRestoreFocus(false);
    p.SetMaxMouseSpeed(-7);
    p.SetUpdateInterval(25);
    ASSERT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);
    EXPECT_EQ(StoredDword(rig, "_max_mousespeed"), 0xFFFFFFF9u);

    Profile loaded;
    SettingsStore(loaded, rig.platform.store, rig.platform.dialogs).LoadSettings();
    for (const SettingRow& row : kSettingRows) {
        EXPECT_EQ(loaded.Text(row.id), p.Text(row.id)) << ValueName(row);
        EXPECT_EQ(loaded.Number(row.id), p.Number(row.id)) << ValueName(row);
    }
    EXPECT_EQ(loaded.MaxMouseSpeed(), -7);
}

TEST(SettingsSaveFailure, AFailedWriteStopsTheWritesAndShowsTheBoxBeforeClosing) {
    StoreRig rig;
    rig.platform.store.failWritesAfter = 4;
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Failed);
    EXPECT_EQ(rig.platform.log.Lines(),
              (std::vector<std::string>{
                  "RegCreateKeyExA(" + Quoted(kSettingsKey) + ")", "RegSetValueExA(\"M1fte\", 4)",
                  "RegSetValueExA(\"CheckBoxM1F\", 4)", "RegSetValueExA(\"M1ft\", 1)",
                  "RegSetValueExA(\"M1co\", 1)", kFailureBox, "RegCloseKey"}));
    // What was written before the failure stays written.
    EXPECT_TRUE(rig.platform.store.Get(kSettingsKey, "M1ft").has_value());
    EXPECT_FALSE(rig.platform.store.Get(kSettingsKey, "M1co").has_value());
}

TEST(SettingsSaveFailure, AReadOnlyKeyShowsTheBoxOncePerSave) {
    StoreRig rig;
    rig.platform.store.failWritesAfter = 1;
    for (int save = 0; save < 3; ++save) {
        EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Failed);
    }
    EXPECT_EQ(rig.platform.log.Only("MessageBox").size(), 3u);
    EXPECT_EQ(rig.platform.log.Only("RegSetValueExA").size(), 3u);
}

// A key that cannot be opened for writing (read-only) fails as a write does,
// and the next load does not put the stored values over the user's edits.
TEST(SettingsSaveFailure, AKeyThatCannotBeCreatedShowsTheBoxAndTheEditsStayUntilSaved) {
    StoreRig rig;
    rig.profile.SetTitle(2, "Stored");
    ASSERT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);
    rig.profile.SetTitle(2, "Edited");
    rig.platform.store.createFails = true;
    rig.platform.log.Clear();
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::KeyUnavailable);
    EXPECT_EQ(
        rig.platform.log.Lines(),
        (std::vector<std::string>{"RegCreateKeyExA(" + Quoted(kSettingsKey) + ")", kFailureBox}));
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.Title(2), "Edited");
    rig.platform.store.createFails = false;
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);
    rig.profile.SetTitle(2, "Not saved yet");
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.Title(2), "Edited");
}

TEST(SettingsSaveFailure, AStoreThatCannotKeepTheValuesOnClosingShowsTheBox) {
    StoreRig rig;
    rig.platform.store.closeFails = true;
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Failed);
    auto lines = rig.platform.log.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "RegCloseKey");
    EXPECT_EQ(lines.back(), kFailureBox);
    EXPECT_EQ(rig.platform.log.Only("RegCloseKey").size(), 1u);
}

}  // namespace
}  // namespace pultara::testing
