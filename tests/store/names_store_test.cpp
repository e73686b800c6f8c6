#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store_rig.h"

namespace pultara::testing {
namespace {

void StoreNames(fake::FakeValueStore& store) {
    for (int b = 1; b <= 12; ++b) {
        store.PutString(kNamesKey, "name" + std::to_string(b), "Taste " + std::to_string(b));
    }
}

TEST(NamesLoad, WithoutTheKeyTheDefaultNamesStay) {
    StoreRig rig;
    rig.names.LoadButtonNames();
    EXPECT_EQ(rig.profile.ButtonName(1), "Button 1");
    EXPECT_EQ(rig.profile.ButtonName(12), "Button 12");
    EXPECT_EQ(rig.platform.log.Lines(),
              std::vector<std::string>{"RegOpenKeyExA(" + fake::Quoted(kNamesKey) + ")"});
}

TEST(NamesLoad, StoredNamesAreReadInOrderAndAMissingOneIsEmpty) {
    StoreRig rig;
    StoreNames(rig.platform.store);
    rig.platform.store.Key(kNamesKey).erase("name7");
    rig.names.LoadButtonNames();
    auto reads = rig.platform.log.Only("RegQueryValueExA");
    ASSERT_EQ(reads.size(), 12u);
    EXPECT_EQ(reads[0], "RegQueryValueExA(\"name1\")");
    EXPECT_EQ(reads[11], "RegQueryValueExA(\"name12\")");
    EXPECT_EQ(rig.profile.ButtonName(6), "Taste 6");
    EXPECT_EQ(rig.profile.ButtonName(7), "");
    EXPECT_EQ(rig.profile.ButtonName(12), "Taste 12");
    EXPECT_EQ(rig.platform.log.Lines().back(), "RegCloseKey");
}

TEST(NamesLoad, ANameThatIsNotAStringEndsTheLoadSilently) {
    StoreRig rig;
    StoreNames(rig.platform.store);
    rig.platform.store.PutDword(kNamesKey, "name5", 5);
    rig.profile.SetButtonName(6, "typed");
    rig.names.LoadButtonNames();
    EXPECT_EQ(rig.profile.ButtonName(4), "Taste 4");
    EXPECT_EQ(rig.profile.ButtonName(5), "Button 5");
    EXPECT_EQ(rig.profile.ButtonName(6), "typed");
    EXPECT_TRUE(rig.platform.log.Only("MessageBox").empty());
    EXPECT_EQ(rig.platform.log.Lines().back(), "RegCloseKey");
}

TEST(NamesSave, TheTwelveNamesAreWrittenAsStringsInOrder) {
    StoreRig rig;
    rig.profile.SetButtonName(3, "Pause \"Ö\"");
    EXPECT_EQ(rig.names.SaveButtonNames(), SaveResult::Saved);
    std::vector<std::string> expected{"RegCreateKeyExA(" + fake::Quoted(kNamesKey) + ")"};
    for (int b = 1; b <= 12; ++b) {
        expected.push_back("RegSetValueExA(\"name" + std::to_string(b) + "\", 1)");
    }
    expected.push_back("RegCloseKey");
    EXPECT_EQ(rig.platform.log.Lines(), expected);
    EXPECT_EQ(ReadText(rig.platform.store.Get(kNamesKey, "name3")), "Pause \"Ö\"");
    EXPECT_EQ(rig.platform.store.Get(kNamesKey, "name1")->data,
              (std::vector<std::uint8_t>{'B', 'u', 't', 't', 'o', 'n', ' ', '1', 0}));
}

TEST(NamesSave, AFailedWriteShowsTheBoxAndKeepsWhatWasWritten) {
    StoreRig rig;
    rig.platform.store.failWritesAfter = 3;
    EXPECT_EQ(rig.names.SaveButtonNames(), SaveResult::Failed);
    auto lines = rig.platform.log.Lines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], kFailureBox);
    EXPECT_EQ(lines[5], "RegCloseKey");
    EXPECT_TRUE(rig.platform.store.Get(kNamesKey, "name2").has_value());
    EXPECT_FALSE(rig.platform.store.Get(kNamesKey, "name3").has_value());
}

TEST(NamesSave, AKeyThatCannotBeCreatedShowsTheBox) {
    StoreRig rig;
    rig.platform.store.createFails = true;
    EXPECT_EQ(rig.names.SaveButtonNames(), SaveResult::KeyUnavailable);
    EXPECT_EQ(rig.platform.log.Only("MessageBox").size(), 1u);
}

TEST(NamesReset, ResetPutsTheDefaultsBackWithoutStoringThem) {
    StoreRig rig;
    StoreNames(rig.platform.store);
    rig.names.LoadButtonNames();
    rig.platform.log.Clear();
    rig.names.ResetButtonNames();
    EXPECT_EQ(rig.profile.ButtonName(9), "Button 9");
    EXPECT_TRUE(rig.platform.log.Lines().empty());
    EXPECT_EQ(ReadText(rig.platform.store.Get(kNamesKey, "name9")), "Taste 9");

    rig.names.SaveButtonNames();
    EXPECT_EQ(ReadText(rig.platform.store.Get(kNamesKey, "name9")), "Button 9");
}

}  // namespace
}  // namespace pultara::testing
