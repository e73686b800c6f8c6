#include <gtest/gtest.h>

#include "support/program_rig.h"

namespace pultara::testing {
namespace {

using Lines = std::vector<std::string>;

struct SecondaryWindows : ::testing::Test {
    void SetUp() override {
        rig.program.Start();
        rig.platform.log.Clear();
    }
    ProgramRig rig;
};

TEST_F(SecondaryWindows, RenameDialogNamesReachTheMainWindowAndSelectionsStay) {
    MainForm& main = rig.program.Main();
    main.Get("ComboBoxM2").SetItemIndex(3);
    main.Get("ComboBoxMausL").SetItemIndex(3);
    rig.host.whileModal["FormUmbenennen"] = [&](Form&) {
        rig.program.Rename().NameEdit(3).SetText("Stop");
        rig.program.Rename().NameEdit(7).SetText("");
    };
    main.Get("ButtonEinstellen").Click();
    EXPECT_EQ(rig.Lines(), (Lines{"ShowModal(FormUmbenennen)", "SaveSettings", "LoadSettings"}));
    EXPECT_EQ(main.Get("ComboBoxM2").ItemIndex(), 3);
    EXPECT_EQ(main.Get("ComboBoxM2").Text(), "Stop");
    EXPECT_EQ(main.Get("ComboBoxMausL").Text(), "Stop");
    EXPECT_EQ(main.ButtonBox(7).Caption(), "");
    EXPECT_EQ(main.Get("Label67").Caption(), "Button 12");
    EXPECT_EQ(main.Get("Label44").Caption(), "");
    for (const char* list : {"ComboBoxMausL", "ComboBoxMausM", "ComboBoxMausR", "ComboBoxM1",
                             "ComboBoxM2", "ComboBoxM3", "ComboBoxM4"}) {
        EXPECT_EQ(main.Get(list).Items()[0], "- kein") << list;
        EXPECT_EQ(main.Get(list).Items()[7], "") << list;
    }
    EXPECT_EQ(main.Get("ComboBox1").Items()[3], "Höhen");
}

TEST_F(SecondaryWindows, RenameDialogButtonsSaveOrReset) {
    RenameForm& rename = rig.program.Rename();
    rig.host.whileModal["FormUmbenennen"] = [&](Form&) {
        rename.NameEdit(2).SetText("Pause");
        rename.Get("Button3").Click();
        EXPECT_EQ(rename.NameEdit(2).Text(), "Button 2");
        rename.NameEdit(2).SetText("Pause");
        rename.Get("Button1").Click();
        EXPECT_FALSE(rename.Visible());
    };
    rig.program.ButtonEinstellenClick();
    EXPECT_EQ(rig.Lines(), (Lines{"ShowModal(FormUmbenennen)", "ResetButtonNames",
                                  "SaveButtonNames", "SaveSettings", "LoadSettings"}));
    EXPECT_EQ(rig.program.Main().ButtonBox(2).Caption(), "Pause");
}

TEST_F(SecondaryWindows, HelpLoadsItsFileOnEveryShowing) {
    const std::string path = rig.files.directory + "halvane.rtf";
    rig.files.files[path] = "{\\rtf1 Handbuch}";
    rig.program.Main().Get("ButtonHilfe").Click();
    rig.files.files.erase(path);
    rig.program.Main().Get("ButtonHilfe").Click();
    EXPECT_EQ(rig.Lines(), (Lines{"ReadFile(\"" + path + "\")", "ShowModal(FormHelp)",
                                  "ReadFile(\"" + path + "\")", "ShowModal(FormHelp)"}));
    EXPECT_EQ(rig.program.Help().View().Text(), "{\\rtf1 Handbuch}");
    EXPECT_FALSE(rig.program.Help().Visible());
}

TEST_F(SecondaryWindows, ModalWindowsCloseWithTheirOkButton) {
    bool shownWhileOpen = false;
    rig.host.whileModal["FormInfo"] = [&](Form& form) {
        shownWhileOpen = form.Visible();
        form.Get("OKButton").Click();
    };
    rig.program.Main().Get("ButtonInfo").Click();
    EXPECT_TRUE(shownWhileOpen);
    EXPECT_FALSE(rig.program.Info().Visible());
}

TEST_F(SecondaryWindows, SettingsEditedInTheWindowAreSavedByTheNextRun) {
    std::string savedCommand;
    rig.program.Main().Get("EditM1b1").SetText("{MCL}");
    rig.stores.load = [&](Profile& p) { savedCommand = p.ButtonCommand(1, 1); };
    rig.program.Timer2Timer();
    EXPECT_EQ(savedCommand, "{MCL}");
}

}  // namespace
}  // namespace pultara::testing
