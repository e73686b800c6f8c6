#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "engine/engine_state.h"
#include "engine/profile.h"
#include "platform/fake/fake_platform.h"
#include "store/settings_store.h"
#include "store/stored_values.h"
#include "ui/control_names.h"
#include "ui/main_form.h"

namespace pultara {
namespace {

using Lines = std::vector<std::string>;

// Writes each notification as "Control.Property".
class Recorder : public FormObserver {
public:
    void ControlChanged(const Control& control, Property property) override {
        lines.push_back(control.Name() + "." + Name(property));
    }
    void FormChanged(const Form& form, Property property) override {
        lines.push_back(form.Name() + "." + Name(property));
    }
    static std::string Name(Property property) {
        const char* names[] = {"Caption", "Text",      "Checked",  "Enabled",  "Visible",  "Colour",
                               "Items",   "ItemIndex", "Position", "Interval", "Minimised"};
        return names[static_cast<int>(property)];
    }
    Lines lines;
};

struct MainWindowModel : ::testing::Test {
    MainWindowModel() {
        profile.SetObserver(&fanout);
        form.AddObserver(&recorder);
    }
    struct Fanout : ProfileObserver {
        explicit Fanout(MainForm& f) : form(f) {}
        void ProfileChanged(const FieldChange& change) override { form.ProfileChanged(change); }
        MainForm& form;
    };
    Profile profile;
    EngineState state;
    MainForm form{profile, state};
    Fanout fanout{form};
    Recorder recorder;
};

TEST_F(MainWindowModel, HoldsEveryNamedControlOfTheEightGroups) {
    std::set<std::string> names;
    for (const auto& control : form.Controls()) {
        names.insert(control->Name());
    }
    for (const char* name : {"ProgressBar1",     "ProgressBar2",
                             "ProgressBar3",     "ComboBox1",
                             "ComboBox2",        "ComboBox3",
                             "ComboBoxMausL",    "ComboBoxMausM",
                             "ComboBoxMausR",    "CheckBoxForceForeground",
                             "CheckBoxGoBack",   "ModusContainer",
                             "Label72",          "Label74",
                             "ButtonStart",      "ButtonEnde",
                             "ButtonEinstellen", "ButtonHilfe",
                             "ButtonInfo",       "Timer1",
                             "Timer2",           "OpenDialog",
                             "Label13",          "Label75",
                             "Label76",          "ButtonSearch",
                             "Button3",          "Button4",
                             "Button5"}) {
        EXPECT_TRUE(names.count(name)) << name;
    }
    for (int mode = 1; mode <= 4; ++mode) {
        for (int button = 1; button <= 12; ++button) {
            EXPECT_TRUE(names.count(ButtonCommandEditName(mode, button)));
            EXPECT_TRUE(names.count(ButtonLabelName(mode, button)));
        }
        for (int which = 0; which < 4; ++which) {
            EXPECT_TRUE(names.count(StaticLabelName(mode, which)));
        }
    }
    EXPECT_EQ(form.Get("Label27").Where().parent, "Modus2");
    EXPECT_EQ(form.Get("Label27").Caption(), "Button 7");
    EXPECT_EQ(form.components, Lines{"TVisualStyles"});
}

TEST_F(MainWindowModel, TextsKeepTheirExactSpacing) {
    EXPECT_NE(form.Get("ComboBoxMausM").look.hint.find("einen  mittleren"), std::string::npos);
    EXPECT_NE(form.Get("Label72").Caption().find("und  globale"), std::string::npos);
    EXPECT_TRUE(form.Get("Label74").Caption().starts_with("Tastaturkommandos können"));
    EXPECT_NE(form.Get("Label74").Caption().find("\"Hallo~\""), std::string::npos);
    EXPECT_EQ(form.Get("LabelGlobaleMaustasten").Caption(), "Globale Maustasten (l/m/r) ");
    EXPECT_EQ(form.Caption(), "Pultara");
}

TEST_F(MainWindowModel, ListsHaveTheirEntriesAndStartWithoutSelection) {
    EXPECT_EQ(form.Get("ComboBox1").Items().size(), 15u);
    EXPECT_EQ(form.Get("ComboBox3").Items().size(), 11u);
    EXPECT_EQ(form.Get("ComboBox3").Items()[7], "Mausachse X");
    EXPECT_EQ(form.Get("ComboBoxM2").Items().front(), "- kein");
    EXPECT_EQ(form.Get("ComboBoxM2").Items().back(), "Button 12");
    EXPECT_EQ(form.Get("ComboBox1").look.dropDownRows, 22);
    EXPECT_EQ(form.Get("ComboBoxMausL").look.dropDownRows, 14);
    for (const char* list : {"ComboBox1", "ComboBox3", "ComboBoxMausR", "ComboBoxM4"}) {
        EXPECT_EQ(form.Get(list).ItemIndex(), -1) << list;
        EXPECT_EQ(form.Get(list).Text(), "") << list;
    }
}

TEST_F(MainWindowModel, ControlsAndProfileShowTheSameValue) {
    form.Get("EditM2b3").SetText("Hallo~");
    EXPECT_EQ(profile.ButtonCommand(2, 3), "Hallo~");
    profile.SetSwitchButton(3, 5);
    EXPECT_EQ(form.Get("ComboBoxM3").ItemIndex(), 5);
    EXPECT_EQ(form.Get("ComboBoxM3").Text(), "Button 5");
    form.Get("ComboBox1").SetItemIndex(12);
    EXPECT_EQ(profile.AxisListPosition(Axis::X), 12);
    form.Get("CheckBoxGoBack").Click();
    EXPECT_FALSE(profile.RestoreFocus());
    form.TitleBox(4).SetEnabled(false);
    EXPECT_FALSE(profile.TitleEnabled(4));
    profile.SetUpdateInterval(25);
    EXPECT_EQ(form.Get("Timer1").Interval(), 25u);
    EXPECT_EQ(recorder.lines,
              (Lines{"EditM2b3.Text", "ComboBoxM3.ItemIndex", "ComboBox1.ItemIndex",
                     "CheckBoxGoBack.Checked", "ComboBoxEditM4titel.Enabled", "Timer1.Interval"}));
}

// Which control shows each stored value, written out for mode 1 (the other
// modes follow its pattern); "" where no control shows it.
const std::vector<std::pair<std::string, std::string>> kModeOneShownBy = {
    {"M1fte", "ComboBoxEditM1titel.Enabled"},
    {"CheckBoxM1F", "CheckBoxM1F.Checked"},
    {"M1ft", "ComboBoxEditM1titel.Text"},
    {"M1co", "EditM1kommando.Text"},
    {"M1pa", "EditM1parameter.Text"},
    {"M1desc", "EditM1desc.Text"},
    {"M1b1", "EditM1b1.Text"},
    {"M1b2", "EditM1b2.Text"},
    {"M1b3", "EditM1b3.Text"},
    {"M1b4", "EditM1b4.Text"},
    {"M1b5", "EditM1b5.Text"},
    {"M1b6", "EditM1b6.Text"},
    {"M1b7", "EditM1b7.Text"},
    {"M1b8", "EditM1b8.Text"},
    {"M1b9", "EditM1b9.Text"},
    {"M1b10", "EditM1b10.Text"},
    {"M1b11", "EditM1b11.Text"},
    {"M1b12", "EditM1b12.Text"},
    {"M1b", "ComboBoxM1.ItemIndex"},
};
const std::vector<std::pair<std::string, std::string>> kGlobalsShownBy = {
    {"x", "ComboBox1.ItemIndex"},
    {"y", "ComboBox2.ItemIndex"},
    {"z", "ComboBox3.ItemIndex"},
    {"CheckBoxForceForeground", "CheckBoxForceForeground.Checked"},
    {"CheckBoxGoBack", "CheckBoxGoBack.Checked"},
    {"_max_mousespeed", ""},
    {"_updatespeed", "Timer1.Interval"},
    {"_mausbuttonLeft", "ComboBoxMausL.ItemIndex"},
    {"_mausbuttonMiddle", "ComboBoxMausM.ItemIndex"},
    {"_mausbuttonRight", "ComboBoxMausR.ItemIndex"},
};

// What the control of `shown` ("Control.Property") shows, as a stored value
// would hold it.
std::string Showing(const MainForm& form, const std::string& shown) {
    const Control& control = form.Get(shown.substr(0, shown.find('.')));
    const std::string property = shown.substr(shown.find('.') + 1);
    if (property == "Text") {
        return control.Text();
    }
    if (property == "Checked" || property == "Enabled") {
        return std::to_string(property == "Checked" ? control.Checked() : control.Enabled());
    }
    return std::to_string(property == "Interval" ? static_cast<std::int64_t>(control.Interval())
                                                 : control.ItemIndex());
}

// A stored value, changed and loaded, shows in its one control and nowhere
// else.
TEST_F(MainWindowModel, EachLoadedValueShowsInItsControl) {
    std::vector<std::pair<std::string, std::string>> all;
    for (int m = 1; m <= kModeCount; ++m) {
        for (auto [name, shown] : kModeOneShownBy) {
            name[name.find("M1") + 1] = static_cast<char>('0' + m);
            shown[shown.find("M1") + 1] = static_cast<char>('0' + m);
            all.emplace_back(name, shown);
        }
    }
    all.insert(all.end(), kGlobalsShownBy.begin(), kGlobalsShownBy.end());

    fake::FakePlatform platform;
    SettingsStore store(profile, platform.store, platform.dialogs);
    ASSERT_EQ(store.SaveSettings(), SaveResult::Saved);
    auto& key = platform.store.Key(kSettingsKeyPath);
    ASSERT_EQ(key.size(), all.size());
    for (const auto& [name, shown] : all) {
        const StoredValue before = key.at(fake::FakeValueStore::Normalise(name));
        std::string expected = "x";
        if (before.type == kValueDword) {
            const std::uint32_t held = ReadDword(before).value();
            const std::uint32_t other = held == 0 ? 1 : held == 1 ? 0 : 3;
            platform.store.PutDword(kSettingsKeyPath, name, other);
            expected = std::to_string(other);
        } else {
            platform.store.PutString(kSettingsKeyPath, name, expected);
        }
        recorder.lines.clear();
        store.LoadSettings();
        EXPECT_EQ(recorder.lines, shown.empty() ? Lines{} : Lines{shown}) << name;
        if (!shown.empty()) {
            EXPECT_EQ(Showing(form, shown), expected) << name;
        }
        key[fake::FakeValueStore::Normalise(name)] = before;
        store.LoadSettings();
    }
}

TEST_F(MainWindowModel, SettingTheValueHeldIsNoChange) {
    form.Get("EditM1desc").SetText("Video");
    form.Get("EditM1desc").SetText("Video");
    profile.SetDescription(1, "Video");
    form.Get("ComboBoxM1").SetItemIndex(2);
    form.Get("ComboBoxM1").SetItemIndex(2);
    form.Get("Label9").SetCaption("Fenstertitel");
    EXPECT_EQ(recorder.lines, (Lines{"EditM1desc.Text", "ComboBoxM1.ItemIndex"}));
}

TEST_F(MainWindowModel, ASelectionOutsideTheListReadsMinusOne) {
    form.Get("ComboBoxM2").SetItemIndex(13);
    EXPECT_EQ(form.Get("ComboBoxM2").ItemIndex(), -1);
    form.Get("ComboBox3").SetItemIndex(12);
    EXPECT_EQ(profile.AxisListPosition(Axis::Z), -1);
    form.Get("ComboBox3").SetItemIndex(10);
    form.Get("ComboBox3").SetItemIndex(-5);
    EXPECT_EQ(form.Get("ComboBox3").ItemIndex(), -1);
}

TEST_F(MainWindowModel, ReplacingAnEntryKeepsSelectionAndOtherEntries) {
    Control& list = form.Get("ComboBoxMausL");
    list.SetItemIndex(3);
    EXPECT_EQ(list.Text(), "Button 3");
    list.SetItem(3, "Play");
    EXPECT_EQ(list.ItemIndex(), 3);
    EXPECT_EQ(list.Text(), "Play");
    EXPECT_EQ(list.Items()[2], "Button 2");
    EXPECT_EQ(list.Items()[4], "Button 4");
    list.SetItem(13, "nowhere");
    EXPECT_EQ(list.Items().size(), 13u);
}

TEST_F(MainWindowModel, CheckBoxClickEventFiresOnlyOnAChangeOfState) {
    int clicks = 0;
    Control& box = form.Get("CheckBoxM1F");
    box.onClick = [&] { ++clicks; };
    box.SetChecked(false);
    box.SetChecked(true);
    box.SetChecked(true);
    box.Click();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(profile.EnsureFocus(1));
}

TEST_F(MainWindowModel, StartsWithTheDefaultsOfAFirstStart) {
    EXPECT_TRUE(form.Get("CheckBoxForceForeground").Checked());
    EXPECT_TRUE(form.Get("CheckBoxGoBack").Checked());
    EXPECT_FALSE(form.Get("CheckBoxM3F").Checked());
    EXPECT_TRUE(form.TitleBox(2).Enabled());
    EXPECT_EQ(form.Page(3).Caption(), "Modus 3");
    EXPECT_EQ(form.Get("ModusContainer").ItemIndex(), 0);
    EXPECT_EQ(form.Get("Timer1").Interval(), 10u);
    EXPECT_EQ(form.Get("Timer2").Interval(), 5000u);
    EXPECT_TRUE(form.Get("ButtonStart").look.defaultButton);
}

TEST_F(MainWindowModel, ProgressBarsShowPositionsUpTo65000) {
    form.ShowAxisPositions({65535, 65000, 123, 0});
    EXPECT_EQ(form.Get("ProgressBar1").Position(), 65000);
    EXPECT_EQ(form.Get("ProgressBar2").Position(), 65000);
    EXPECT_EQ(form.Get("ProgressBar3").Position(), 123);
}

TEST_F(MainWindowModel, FocusOrderOfAPage) {
    Lines focusable;
    for (Control* control : form.Children("Modus2")) {
        if (control->Kind() != ControlKind::Label) {
            focusable.push_back(control->Name());
        }
    }
    ASSERT_EQ(focusable.size(), 19u);
    EXPECT_EQ((Lines(focusable.begin(), focusable.begin() + 7)),
              (Lines{"ComboBoxM2", "EditM2desc", "ComboBoxEditM2titel", "EditM2kommando", "Button3",
                     "EditM2parameter", "EditM2b1"}));
    EXPECT_EQ(focusable.back(), "CheckBoxM2F");
}

TEST_F(MainWindowModel, MinimisedCountsAsHiddenOnlyWhenAskedTo) {
    form.SetVisible(true);
    form.SetMinimised(true);
    EXPECT_TRUE(form.IsMainWindowVisible());
    form.SetMinimisedCountsAsHidden(true);
    EXPECT_FALSE(form.IsMainWindowVisible());
    form.SetMinimised(false);
    EXPECT_TRUE(form.IsMainWindowVisible());
}

}  // namespace
}  // namespace pultara
