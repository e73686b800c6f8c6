#include <gtest/gtest.h>

#include <vector>

#include "engine/axis_action.h"
#include "engine/profile.h"

namespace pultara {
namespace {

TEST(ProfileDefaults, FirstStartHasTheDocumentedValues) {
    Profile profile;
    for (int mode = 1; mode <= kModeCount; ++mode) {
        EXPECT_TRUE(profile.TitleEnabled(mode));
        EXPECT_FALSE(profile.EnsureFocus(mode));
        EXPECT_EQ(profile.SwitchButton(mode), -1);
        EXPECT_TRUE(profile.Title(mode).empty() && profile.Command(mode).empty() &&
                    profile.Parameters(mode).empty() && profile.Description(mode).empty());
        for (int button = 1; button <= kButtonCount; ++button) {
            EXPECT_EQ(profile.ButtonCommand(mode, button), "");
        }
    }
    for (Axis axis : {Axis::X, Axis::Y, Axis::Z}) {
        EXPECT_EQ(profile.AxisListPosition(axis), -1);
    }
    for (auto which :
         {GlobalMouseButton::Left, GlobalMouseButton::Middle, GlobalMouseButton::Right}) {
        EXPECT_EQ(profile.MouseButton(which), -1);
    }
    EXPECT_TRUE(profile.ForceForeground());
    EXPECT_TRUE(profile.RestoreFocus());
    EXPECT_EQ(profile.MaxMouseSpeed(), 32);
    EXPECT_EQ(profile.UpdateInterval(), 10u);
    EXPECT_EQ(profile.ButtonName(1), "Button 1");
    EXPECT_EQ(profile.ButtonName(12), "Button 12");
}

TEST(ProfileListPositions, PositionsOutsideTheirListReadAsNoSelection) {
    Profile profile;
    profile.SetSwitchButton(2, 13);
    EXPECT_EQ(profile.SwitchButton(2), -1);
    profile.SetSwitchButton(2, -5);
    EXPECT_EQ(profile.SwitchButton(2), -1);
    profile.SetSwitchButton(2, 12);
    EXPECT_EQ(profile.SwitchButton(2), 12);

    profile.SetAxisListPosition(Axis::X, 12);
    profile.SetAxisListPosition(Axis::Z, 12);
    EXPECT_EQ(profile.AxisListPosition(Axis::X), 12);
    EXPECT_EQ(profile.AxisListPosition(Axis::Z), -1);
    EXPECT_EQ(AxisActionFor(Axis::X, 12), AxisAction::PointerXInverted);

    profile.SetMouseButton(GlobalMouseButton::Right, 0);
    EXPECT_EQ(profile.MouseButton(GlobalMouseButton::Right), 0);
    profile.SetMouseButton(GlobalMouseButton::Right, 99);
    EXPECT_EQ(profile.MouseButton(GlobalMouseButton::Right), -1);
}

TEST(ProfileListPositions, ZListSkipsTheArrowKeys) {
    EXPECT_EQ(AxisActionFor(Axis::Z, 6), AxisAction::BassInverted);
    EXPECT_EQ(AxisActionFor(Axis::Z, 7), AxisAction::PointerX);
    EXPECT_EQ(AxisActionFor(Axis::Z, 10), AxisAction::PointerYInverted);
    EXPECT_EQ(AxisActionFor(Axis::Z, 11), AxisAction::None);
    EXPECT_EQ(AxisActionFor(Axis::Y, 10), AxisAction::ArrowsDownUp);
    EXPECT_EQ(AxisActionFor(Axis::Y, -1), AxisAction::None);
}

struct ChangeRecorder : ProfileObserver {
    void ProfileChanged(const FieldChange& change) override { changes.push_back(change); }
    std::vector<FieldChange> changes;
};

TEST(ProfileChanges, OnlyRealChangesAreReported) {
    Profile profile;
    ChangeRecorder recorder;
    profile.SetObserver(&recorder);

    profile.SetDescription(2, "");     // already empty
    profile.SetTitleEnabled(1, true);  // already on
    profile.SetSwitchButton(3, 40);    // -1 stays -1
    profile.SetUpdateInterval(10);     // unchanged
    EXPECT_TRUE(recorder.changes.empty());

    profile.SetDescription(2, "Browser");
    profile.SetButtonCommand(4, 7, "~");
    profile.SetUpdateInterval(0);
    ASSERT_EQ(recorder.changes.size(), 3u);
    EXPECT_EQ(recorder.changes[0].field, Field::Description);
    EXPECT_EQ(recorder.changes[0].mode, 2);
    EXPECT_EQ(recorder.changes[1].field, Field::ButtonCommand);
    EXPECT_EQ(recorder.changes[1].button, 7);
    EXPECT_EQ(recorder.changes[2].field, Field::UpdateInterval);
}

TEST(ProfileAccess, InvalidModeOrButtonReadsEmptyAndIgnoresWrites) {
    Profile profile;
    profile.SetButtonCommand(5, 1, "x");
    profile.SetButtonCommand(1, 13, "x");
    EXPECT_EQ(profile.ButtonCommand(0, 1), "");
    EXPECT_EQ(profile.ButtonCommand(1, 13), "");
    EXPECT_TRUE(profile.Title(7).empty());
}

}  // namespace
}  // namespace pultara
