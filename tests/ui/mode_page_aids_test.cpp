#include <gtest/gtest.h>

#include "support/program_rig.h"
#include "ui/control_names.h"

namespace pultara::testing {
namespace {

using Lines = std::vector<std::string>;

struct ModePage : ::testing::Test {
    void SetUp() override {
        rig.program.Start();
        rig.platform.log.Clear();
    }
    MainForm& Main() { return rig.program.Main(); }
    ProgramRig rig;
};

TEST_F(ModePage, PickerListsVisibleTitledWindowsInOrderInAllFourBoxes) {
    auto& desktop = rig.platform.desktop;
    desktop.AddWindow("Mediaplayer");
    desktop.AddWindow("Versteckt", false);
    desktop.AddWindow("");
    desktop.AddWindow("Mediaplayer");
    desktop.AddWindow("Pultara");
    Main().TitleBox(1).SetText("Medi");
    Main().TitleBox(3).Enter();
    const Lines expected{"Mediaplayer", "Mediaplayer", "Pultara"};
    for (int mode = 1; mode <= 4; ++mode) {
        EXPECT_EQ(Main().TitleBox(mode).Items(), expected) << mode;
    }
    EXPECT_EQ(Main().TitleBox(1).Text(), "Medi");
    EXPECT_EQ(rig.program.Aids().WindowTitleList(), expected);
}

TEST_F(ModePage, PickerCutsLongTitlesTo128Characters) {
    rig.platform.desktop.AddWindow(std::string(200, 'x'));
    rig.platform.desktop.AddWindow(std::string(130, 'a') + "ö");
    Main().TitleBox(2).Enter();
    EXPECT_EQ(Main().TitleBox(2).Items(), (Lines{std::string(128, 'x'), std::string(128, 'a')}));
    EXPECT_EQ(FirstCharacters("äöüß", 3), "äöü");
}

TEST_F(ModePage, PickerDoesNotRunFromADisabledBoxAndTheListStaysUntilTheNextEntry) {
    rig.platform.desktop.AddWindow("Editor");
    Main().Get("Label22").Click();  // title use off for mode 2
    Main().TitleBox(2).Enter();
    EXPECT_TRUE(Main().TitleBox(2).Items().empty());
    Main().TitleBox(1).Enter();
    rig.platform.desktop.AddWindow("Browser");
    EXPECT_EQ(Main().TitleBox(2).Items(), (Lines{"Editor"}));
}

TEST_F(ModePage, PickingAnEntryCopiesItsText) {
    rig.platform.desktop.AddWindow("Editor");
    Main().TitleBox(4).Enter();
    Main().TitleBox(4).SetItemIndex(0);
    EXPECT_EQ(rig.profile.Title(4), "Editor");
}

// Where the session names no windows the lists say why they are empty; that
// entry never becomes a title, however often it is picked, and the lists
// are real again once windows can be listed.
TEST_F(ModePage, PickerSaysWhyItIsEmptyAndItsNoticeNeverBecomesATitle) {
    auto& desktop = rig.platform.desktop;
    desktop.listsWindows = false;
    rig.profile.SetTitle(2, "Mediaplayer");
    Main().TitleBox(1).Enter();
    for (int mode = 1; mode <= 4; ++mode) {
        EXPECT_EQ(Main().TitleBox(mode).Items(), Lines{kNoWindowListEntry}) << mode;
    }
    EXPECT_TRUE(rig.program.Aids().WindowTitleList().empty());
    Control& box = Main().TitleBox(2);
    for (int pick = 0; pick < 2; ++pick) {
        box.SetItemIndex(0);
        EXPECT_EQ(rig.profile.Title(2), "Mediaplayer") << pick;
        EXPECT_EQ(box.Text(), "Mediaplayer") << pick;
        EXPECT_EQ(box.ItemIndex(), -1) << pick;
    }
    box.SetText("Edi");  // typed after the list was filled
    box.SetItemIndex(0);
    EXPECT_EQ(rig.profile.Title(2), "Edi");
    desktop.listsWindows = true;
    desktop.AddWindow("Editor");
    box.Enter();
    box.SetItemIndex(0);
    EXPECT_EQ(rig.profile.Title(2), "Editor");
}

TEST_F(ModePage, TogglingTitleUseTwiceRestoresStateAndColour) {
    Control& box = Main().TitleBox(3);
    Main().Get(TitleLabelName(3)).Click();
    EXPECT_FALSE(rig.profile.TitleEnabled(3));
    EXPECT_EQ(box.Colour(), ColourRole::ButtonFace);
    Main().Get(TitleLabelName(3)).Click();
    EXPECT_TRUE(rig.profile.TitleEnabled(3));
    EXPECT_EQ(box.Colour(), ColourRole::Window);
}

TEST_F(ModePage, TabCaptionFollowsEveryChangeOfTheDescription) {
    Control& description = Main().Get("EditM1desc");
    description.SetText("V");
    EXPECT_EQ(Main().Page(1).Caption(), "V");
    description.SetText("Video");
    EXPECT_EQ(Main().Page(1).Caption(), "Video");
    rig.profile.SetDescription(2, "Browser");  // as a load sets it
    EXPECT_EQ(Main().Page(2).Caption(), "Browser");
    Main().Get("EditM2desc").SetText("");
    EXPECT_EQ(Main().Page(2).Caption(), "");
}

TEST(ModePageAtStart, AnEmptyStoredDescriptionKeepsTheDefaultTabCaption) {
    ProgramRig rig;
    rig.stores.load = [](Profile& p) { p.SetDescription(2, ""); };
    rig.program.Start();
    EXPECT_EQ(rig.program.Main().Page(2).Caption(), "Modus 2");
}

TEST_F(ModePage, BrowseSetsTheCommandUnquotedAndCancelChangesNothing) {
    Main().Get("EditM2parameter").SetText("--fullscreen");
    rig.fileDialog.answers = {std::string("C:\\Program Files\\Player\\player.exe"), std::nullopt};
    Main().Get(BrowseButtonName(2)).Click();
    Main().Get(BrowseButtonName(3)).Click();
    EXPECT_EQ(rig.profile.Command(2), "C:\\Program Files\\Player\\player.exe");
    EXPECT_EQ(rig.profile.Parameters(2), "--fullscreen");
    EXPECT_EQ(rig.profile.Command(3), "");
    // One dialog for all modes: it opens on the file last chosen.
    EXPECT_EQ(rig.Lines(), (Lines{"GetOpenFileNameA(\"\")",
                                  "GetOpenFileNameA(\"C:\\Program Files\\Player\\player.exe\")"}));
    EXPECT_EQ(rig.fileDialog.lastFilter, "Linked documents or programs. (*.*)|*.*");
}

}  // namespace
}  // namespace pultara::testing
