#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/setting_rows.h"
#include "store_rig.h"

namespace pultara::testing {
namespace {

// A key holding a complete profile in which every text names its value and
// every mode has a switch button, all different from the defaults.
void StoreFullProfile(fake::FakeValueStore& store) {
    for (const SettingRow& row : kSettingRows) {
        if (row.declared->type == SettingType::Text) {
            store.PutString(kSettingsKey, ValueName(row), "stored " + ValueName(row));
        }
    }
    for (int m = 1; m <= 4; ++m) {
        const std::string M = "M" + std::to_string(m);
        store.PutDword(kSettingsKey, M + "fte", 0);
        store.PutDword(kSettingsKey, "CheckBox" + M + "F", 1);
        store.PutDword(kSettingsKey, M + "b", static_cast<std::uint32_t>(m));
    }
    for (const char* name :
         {"x", "y", "z", "_mausbuttonLeft", "_mausbuttonMiddle", "_mausbuttonRight"}) {
        store.PutDword(kSettingsKey, name, 5);
    }
    store.PutDword(kSettingsKey, "CheckBoxForceForeground", 0);
    store.PutDword(kSettingsKey, "CheckBoxGoBack", 0);
    store.PutDword(kSettingsKey, "_max_mousespeed", 48);
    store.PutDword(kSettingsKey, "_updatespeed", 20);
}

// Removes the value `from` and every value after it in the table.
void EraseFrom(fake::FakeValueStore& store, const std::string& from) {
    bool erasing = false;
    for (const SettingRow& row : kSettingRows) {
        erasing = erasing || ValueName(row) == from;
        if (erasing) {
            store.Key(kSettingsKey).erase(fake::FakeValueStore::Normalise(ValueName(row)));
        }
    }
}

TEST(SettingsLoad, AMissingKeyChangesNothing) {
    StoreRig rig;
    rig.settings.LoadSettings();
    EXPECT_TRUE(rig.changes.empty());
    EXPECT_EQ(rig.platform.log.Lines(),
              std::vector<std::string>{"RegOpenKeyExA(" + fake::Quoted(kSettingsKey) + ")"});
}

TEST(SettingsLoad, ACompleteKeyIsReadInTableOrderAndApplied) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.settings.LoadSettings();
    auto reads = rig.platform.log.Only("RegQueryValueExA");
    ASSERT_EQ(reads.size(), 86u);
    EXPECT_EQ(reads.front(), "RegQueryValueExA(\"M1fte\")");
    EXPECT_EQ(reads.back(), "RegQueryValueExA(\"_mausbuttonRight\")");
    EXPECT_EQ(rig.platform.log.Lines().back(), "RegCloseKey");

    EXPECT_FALSE(rig.profile.TitleEnabled(4));
    EXPECT_TRUE(rig.profile.EnsureFocus(4));
    EXPECT_EQ(rig.profile.Description(3), "stored M3desc");
    EXPECT_EQ(rig.profile.ButtonCommand(2, 12), "stored M2b12");
    EXPECT_EQ(rig.profile.SwitchButton(4), 4);
    EXPECT_EQ(rig.profile.AxisListPosition(Axis::Z), 5);
    EXPECT_EQ(rig.profile.MouseButton(GlobalMouseButton::Right), 5);
    EXPECT_FALSE(rig.profile.ForceForeground());
    EXPECT_FALSE(rig.profile.RestoreFocus());
    EXPECT_EQ(rig.profile.MaxMouseSpeed(), 48);
    EXPECT_EQ(rig.profile.UpdateInterval(), 20u);
}

TEST(SettingsLoadReadErrors, AMissingNumberEndsTheLoadThere) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    EraseFrom(rig.platform.store, "M3b");
    rig.profile.SetSwitchButton(3, 9);
    rig.settings.LoadSettings();

    EXPECT_EQ(rig.profile.SwitchButton(2), 2);
    EXPECT_EQ(rig.profile.ButtonCommand(3, 12), "stored M3b12");
    EXPECT_EQ(rig.profile.SwitchButton(3), 9);  // kept
    EXPECT_EQ(rig.profile.Title(4), "");        // kept: default
    EXPECT_TRUE(rig.profile.ForceForeground());
    EXPECT_EQ(rig.profile.UpdateInterval(), 10u);
    auto lines = rig.platform.log.Lines();
    EXPECT_EQ(lines[lines.size() - 2], "RegQueryValueExA(\"M3b\")");
    EXPECT_EQ(lines.back(), "RegCloseKey");
}

TEST(SettingsLoadReadErrors, ANumberStoredAsTextAppliesNothing) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.PutString(kSettingsKey, "M1fte", "1");
    rig.settings.LoadSettings();
    EXPECT_TRUE(rig.changes.empty());
    EXPECT_EQ(rig.platform.log.Only("RegQueryValueExA").size(), 1u);
}

TEST(SettingsLoadReadErrors, ADwordOfTheWrongLengthIsAReadError) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.Key(kSettingsKey)["x"] = StoredValue{kValueDword, {3, 0}};
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.SwitchButton(4), 4);
    EXPECT_EQ(rig.profile.AxisListPosition(Axis::X), -1);
    EXPECT_EQ(rig.profile.AxisListPosition(Axis::Y), -1);
}

TEST(SettingsLoadReadErrors, ATextOfAnotherTypeWithDataIsAReadError) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.PutDword(kSettingsKey, "M1co", 7);
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.Title(1), "stored M1ft");
    EXPECT_EQ(rig.profile.Command(1), "");
    EXPECT_EQ(rig.profile.Parameters(1), "");
}

TEST(SettingsLoadTexts, AMissingTextEmptiesTheFieldAndTheLoadGoesOn) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.Key(kSettingsKey).erase("m2b5");
    rig.profile.SetButtonCommand(2, 5, "typed before");
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.ButtonCommand(2, 5), "");
    EXPECT_EQ(rig.profile.UpdateInterval(), 20u);
}

TEST(SettingsLoadTexts, TextsFollowTheStringRules) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    auto& key = rig.platform.store.Key(kSettingsKey);
    std::string expand = "%WINDIR%\\notepad.exe";
    key["m1ft"] = StoredValue{kValueExpandString, {expand.begin(), expand.end()}};
    key["m1ft"].data.push_back(0);
    key["m1co"] = StoredValue{kValueString, {'a', 'b', 0, 'c', 0}};
    key["m1pa"] = StoredValue{kValueBinary, {}};            // no data: empty text
    key["m1desc"] = StoredValue{kValueString, {'x', 'y'}};  // no terminating zero
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.Title(1), expand);  // not expanded
    EXPECT_EQ(rig.profile.Command(1), "ab");
    EXPECT_EQ(rig.profile.Parameters(1), "");
    EXPECT_EQ(rig.profile.Description(1), "xy");
    EXPECT_EQ(rig.profile.UpdateInterval(), 20u);
}

TEST(SettingsLoadNumbers, AnyNonzeroDwordIsTrue) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.PutDword(kSettingsKey, "CheckBoxM2F", 0x80000000u);
    rig.platform.store.PutDword(kSettingsKey, "CheckBoxM3F", 0);
    rig.settings.LoadSettings();
    EXPECT_TRUE(rig.profile.EnsureFocus(2));
    EXPECT_FALSE(rig.profile.EnsureFocus(3));
}

TEST(SettingsLoadNumbers, PositionsOutsideTheirListReadAsNoneAndAreSavedBackAsMinusOne) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.PutDword(kSettingsKey, "x", 99);
    rig.platform.store.PutDword(kSettingsKey, "z", 12);  // the Z list ends at 10
    rig.platform.store.PutDword(kSettingsKey, "M2b", 13);
    rig.platform.store.PutDword(kSettingsKey, "M3b", static_cast<std::uint32_t>(-5));
    rig.platform.store.PutDword(kSettingsKey, "y", 12);
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.AxisListPosition(Axis::X), -1);
    EXPECT_EQ(rig.profile.AxisListPosition(Axis::Y), 12);
    EXPECT_EQ(rig.profile.AxisListPosition(Axis::Z), -1);
    EXPECT_EQ(rig.profile.SwitchButton(2), -1);
    EXPECT_EQ(rig.profile.SwitchButton(3), -1);

    rig.settings.SaveSettings();
    EXPECT_EQ(ReadDword(rig.platform.store.Get(kSettingsKey, "x")), 0xFFFFFFFFu);
    EXPECT_EQ(ReadDword(rig.platform.store.Get(kSettingsKey, "M2b")), 0xFFFFFFFFu);
}

TEST(SettingsLoadNumbers, UnchangedValuesAreLeftUntouched) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.settings.LoadSettings();
    rig.changes.clear();
    rig.settings.LoadSettings();  // the same values again
    EXPECT_TRUE(rig.changes.empty());
}

TEST(SettingsLoadNumbers, AZeroPollIntervalIsAppliedOnceAndStopsTheTimer) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.PutDword(kSettingsKey, "_updatespeed", 0);
    rig.settings.LoadSettings();
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.UpdateInterval(), 0u);
    EXPECT_EQ(rig.ChangesOf(Field::UpdateInterval), 1);
}

TEST(SettingsLoadNumbers, TheMouseSpeedIsTakenUnchecked) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.PutDword(kSettingsKey, "_max_mousespeed", 0xFFFFFF00u);
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.MaxMouseSpeed(), -256);
}

// The save-and-load cycle after a load that ended at a value it could not
// read: what was stored is kept before the save writes the defaults over it.
std::string Text(const fake::FakeValueStore::Values& key, const std::string& name) {
    return ReadText(key.at(fake::FakeValueStore::Normalise(name))).value();
}

TEST(SettingsUnreadValues, AWrongTypedValueIsKeptWithEverythingAfterItBeforeTheSave) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.PutDword(kSettingsKey, "M1b1", 5);
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.ButtonCommand(1, 2), "");            // not read
    EXPECT_TRUE(rig.platform.log.Only("MessageBox").empty());  // the load stays silent

    rig.platform.log.Clear();
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);
    ASSERT_EQ(rig.platform.store.copies.size(), 1u);
    const auto& copy = rig.platform.store.copies[0];
    EXPECT_EQ(ReadDword(copy.at("m1b1")), 5u);
    EXPECT_EQ(Text(copy, "M1b2"), "stored M1b2");
    EXPECT_EQ(Text(copy, "M4b12"), "stored M4b12");
    EXPECT_EQ(ReadDword(copy.at("_updatespeed")), 20u);
    // One box, after the values are written, naming the value and the copy.
    auto lines = rig.platform.log.Lines();
    ASSERT_EQ(rig.platform.log.Only("MessageBox").size(), 1u);
    EXPECT_EQ(lines.back().rfind("MessageBox(", 0), 0u);
    EXPECT_NE(lines.back().find("\"M1b1\""), std::string::npos);
    EXPECT_NE(lines.back().find("\"copy1.reg\""), std::string::npos);
    EXPECT_EQ(rig.platform.log.Only("RegSetValueExA").size(), 86u);

    // The key is whole again: the next cycle reads it all and keeps nothing.
    rig.settings.LoadSettings();
    rig.settings.SaveSettings();
    EXPECT_EQ(rig.platform.store.copies.size(), 1u);
    EXPECT_EQ(rig.platform.log.Only("MessageBox").size(), 1u);
}

// A missing value is written by the next save, as on every first start
// after an update: nothing stored is lost, so nothing is kept.
TEST(SettingsUnreadValues, AMissingValueIsWrittenWithoutACopy) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.Key(kSettingsKey).erase("m2b");
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);
    EXPECT_TRUE(rig.platform.store.copies.empty());
    EXPECT_TRUE(rig.platform.log.Only("MessageBox").empty());
}

TEST(SettingsUnreadValues, WithoutACopyNothingIsWrittenOverThem) {
    StoreRig rig;
    StoreFullProfile(rig.platform.store);
    rig.platform.store.PutString(kSettingsKey, "x", "3");
    rig.platform.store.keepCopyFails = true;
    rig.settings.LoadSettings();
    rig.platform.log.Clear();
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Failed);
    EXPECT_TRUE(rig.platform.log.Only("RegSetValueExA").empty());
    EXPECT_EQ(rig.platform.log.Lines().back(), kFailureBox);
    EXPECT_EQ(Text(rig.platform.store.Key(kSettingsKey), "M1b1"), "stored M1b1");

    // The next save tries again.
    rig.platform.store.keepCopyFails = false;
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);
    ASSERT_EQ(rig.platform.store.copies.size(), 1u);
    EXPECT_EQ(Text(rig.platform.store.copies[0], "x"), "3");
}

}  // namespace
}  // namespace pultara::testing
