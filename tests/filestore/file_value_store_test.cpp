#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "engine/profile.h"
#include "platform/fake/fake_system.h"
#include "platform/filestore/file_access.h"
#include "platform/filestore/file_value_store.h"
#include "platform/filestore/reg_parser.h"
#include "platform/filestore/text_encoding.h"
#include "store/names_store.h"
#include "store/settings_store.h"
#include "temp_folder.h"

namespace pultara::testing {
namespace {

namespace fs = std::filesystem;
using filestore::FileValueStore;

const std::string kSettingsKey = "\\Software\\Orvendt\\tevorin";

// A Profile with a store on the settings file of a temporary folder.
struct FileRig {
    explicit FileRig(const fs::path& file) : store(file, &dialogs) {}
    fake::CallLog log;
    fake::FakeDialogs dialogs{log};
    FileValueStore store;
    Profile profile;
    SettingsStore settings{profile, store, dialogs};
    NamesStore names{profile, store, dialogs};
};

void Customise(Profile& p) {
    p.SetTitle(1, "VLC \"media\" player");
    p.SetCommand(2, "C:\\Programme\\Spieler\\spieler.exe");
    p.SetDescription(3, "Grüße 🎮");
    p.SetButtonCommand(4, 12, "{MCL}%{F4}");
    p.SetTitleEnabled(2, false);
    p.SetSwitchButton(1, 3);
    p.SetAxisListPosition(Axis::Y, 9);
    p.SetMaxMouseSpeed(-12);
    p.SetUpdateInterval(0);
    p.SetButtonName(7, "Pause");
}

class FileStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path file = folder.Path() / "pultara" / "settings.reg";
};

TEST_F(FileStoreTest, WithoutAFileNothingIsFoundAndNothingIsCreatedByReading) {
    FileRig rig(file);
    rig.settings.LoadSettings();
    rig.names.LoadButtonNames();
    EXPECT_EQ(rig.profile.ButtonName(1), "Button 1");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(fs::exists(file.parent_path()));
}

TEST_F(FileStoreTest, SavedSettingsAndNamesComeBackInTheNextRun) {
    {
        FileRig rig(file);
        Customise(rig.profile);
        EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);
        EXPECT_EQ(rig.names.SaveButtonNames(), SaveResult::Saved);
    }
    FileRig next(file);
    next.settings.LoadSettings();
    next.names.LoadButtonNames();
    Profile expected;
    Customise(expected);
    EXPECT_EQ(next.profile.Title(1), expected.Title(1));
    EXPECT_EQ(next.profile.Command(2), expected.Command(2));
    EXPECT_EQ(next.profile.Description(3), "Grüße 🎮");
    EXPECT_EQ(next.profile.ButtonCommand(4, 12), "{MCL}%{F4}");
    EXPECT_FALSE(next.profile.TitleEnabled(2));
    EXPECT_EQ(next.profile.SwitchButton(1), 3);
    EXPECT_EQ(next.profile.AxisListPosition(Axis::Y), 9);
    EXPECT_EQ(next.profile.MaxMouseSpeed(), -12);
    EXPECT_EQ(next.profile.UpdateInterval(), 0u);
    EXPECT_EQ(next.profile.ButtonName(7), "Pause");
    EXPECT_TRUE(next.log.Lines().empty());

    std::string text = ReadBytes(file);
    EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00\n", 0), 0u);
    EXPECT_NE(
        text.find("\n[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin]\n\"M1fte\"=dword:00000001\n"),
        std::string::npos);
    EXPECT_NE(
        text.find(
            "\n[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin\\names]\n\"name1\"=\"Button 1\"\n"),
        std::string::npos);
}

TEST_F(FileStoreTest, ValueNamesAndKeysCompareWithoutCase) {
    fs::create_directories(file.parent_path());
    WriteBytes(file,
               "Windows Registry Editor Version 5.00\n\n"
               "[hkey_current_user\\SOFTWARE\\orvendt\\TEVORIN\\Names]\n\"NAME2\"=\"Zwei\"\n");
    FileRig rig(file);
    rig.names.LoadButtonNames();
    EXPECT_EQ(rig.profile.ButtonName(1), "");
    EXPECT_EQ(rig.profile.ButtonName(2), "Zwei");
}

TEST_F(FileStoreTest, AWindowsExportedFileIsUsedAsItIs) {
    std::string text =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin\\names]\r\n"
        "\"name1\"=\"Lauter\"\r\n\"name2\"=\"Leiser\"\r\n";
    std::vector<std::uint8_t> units = filestore::Utf8ToUtf16Le(text);
    fs::create_directories(file.parent_path());
    WriteBytes(file, "\xFF\xFE" + std::string(units.begin(), units.end()));
    FileRig rig(file);
    rig.names.LoadButtonNames();
    EXPECT_EQ(rig.profile.ButtonName(2), "Leiser");
    EXPECT_EQ(rig.profile.ButtonName(3), "");
    EXPECT_TRUE(rig.store.Problems().empty());
}

TEST_F(FileStoreTest, AnUnchangedProfileIsNotWrittenAgain) {
    FileRig rig(file);
    rig.settings.SaveSettings();
    // Whole seconds, which every file system keeps exactly.
    fs::file_time_type old = std::chrono::floor<std::chrono::seconds>(
        fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));
    fs::last_write_time(file, old);
    for (int cycle = 0; cycle < 3; ++cycle) {
        rig.settings.SaveSettings();
        rig.settings.LoadSettings();
    }
    EXPECT_EQ(fs::last_write_time(file), old);

    rig.profile.SetTitle(1, "neu");
    rig.settings.SaveSettings();
    EXPECT_NE(fs::last_write_time(file), old);
    // Only the settings file remains in the folder: no temporary files.
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()),
              1);
}

#ifndef _WIN32
TEST_F(FileStoreTest, TheFileIsForItsOwnerOnly) {
    FileRig rig(file);
    rig.settings.SaveSettings();
    fs::perms others = fs::perms::group_all | fs::perms::others_all;
    EXPECT_EQ(fs::status(file).permissions() & others, fs::perms::none);
    EXPECT_EQ(fs::status(file.parent_path()).permissions() & others, fs::perms::none);
}

// A folder or a FIFO in the file's place: reading neither throws nor blocks,
// the defaults are used, and a save is reported as failed and leaves it be.
TEST_F(FileStoreTest, AFolderOrAFifoInTheFilesPlaceIsAFailedSaveNotACrashOrAHang) {
    fs::create_directories(file.parent_path());
    for (const bool fifo : {false, true}) {
        ASSERT_TRUE(fifo ? ::mkfifo(file.c_str(), 0600) == 0 : fs::create_directory(file));
        FileRig rig(file);
        rig.settings.LoadSettings();
        rig.names.LoadButtonNames();
        EXPECT_EQ(rig.profile.ButtonName(1), "Button 1");
        rig.profile.SetTitle(1, "edited");
        EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Failed);
        EXPECT_EQ(rig.log.Only("MessageBox").size(), 1u);
        EXPECT_EQ(fs::status(file).type(), fifo ? fs::file_type::fifo : fs::file_type::directory);
        fs::remove(file);
    }
}

// Settings kept elsewhere (a dotfiles folder) and linked into place.
TEST_F(FileStoreTest, ALinkedFileIsWrittenThroughToItsTargetAndTheLinkStays) {
    const fs::path target = folder.Path() / "dotfiles" / "pultara.reg";
    fs::create_directories(target.parent_path());
    fs::create_directories(file.parent_path());
    WriteBytes(target, "Windows Registry Editor Version 5.00\n");
    fs::create_symlink("../dotfiles/pultara.reg", file);
    {
        FileRig rig(file);
        Customise(rig.profile);
        EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);
    }
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_NE(ReadBytes(target).find("\"M1ft\"=\"VLC \\\"media\\\" player\""), std::string::npos);
    FileRig next(file);
    next.settings.LoadSettings();
    EXPECT_EQ(next.profile.Description(3), "Grüße 🎮");
    // The temporary file went to the target's folder and was renamed there.
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), {}), 1);
}
#endif

TEST_F(FileStoreTest, TheFirstSaveClearsAwayTemporaryFilesACrashLeftBehind) {
    fs::create_directories(file.parent_path());
    const fs::path stale = file.parent_path() / "settings.reg.tmp-Ab12Cd";
    const fs::path recent = file.parent_path() / "settings.reg.tmp-Ef34Gh";
    const fs::path unrelated = file.parent_path() / "notes.reg.tmp-Ij56Kl";
    for (const fs::path& leftover : {stale, recent, unrelated}) {
        WriteBytes(leftover, "half a file");
    }
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(stale, hourAgo);
    fs::last_write_time(unrelated, hourAgo);

    FileRig rig(file);
    rig.settings.SaveSettings();

    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(recent));  // may be another instance's save in progress
    EXPECT_TRUE(fs::exists(unrelated));
    EXPECT_TRUE(fs::exists(file));
}

TEST_F(FileStoreTest, ASecondInstanceSeesTheLastSave) {
    FileRig first(file);
    FileRig second(file);
    second.settings.LoadSettings();
    first.profile.SetCommand(1, "mpv");
    first.settings.SaveSettings();
    second.settings.LoadSettings();
    EXPECT_EQ(second.profile.Command(1), "mpv");
}

TEST_F(FileStoreTest, AFileThatCannotBeWrittenShowsTheBoxAndKeepsTheEdits) {
    WriteBytes(folder.Path() / "blocker", "a file where a folder should be");
    FileRig rig(folder.Path() / "blocker" / "settings.reg");
    rig.profile.SetTitle(1, "edited");
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Failed);
    EXPECT_EQ(rig.log.Only("MessageBox").size(), 1u);
    rig.settings.LoadSettings();  // the cycle loads right after saving
    EXPECT_EQ(rig.profile.Title(1), "edited");
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Failed);
    EXPECT_EQ(rig.log.Only("MessageBox").size(), 2u);
}

TEST_F(FileStoreTest, ADamagedFileIsUsedAsFarAsPossibleThenKeptAsideOnce) {
    const std::string damaged =
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin]\n"
        "\"M1fte\"=dword:00000000\n"
        "\"CheckBoxM1F\"=dword:00000001\n"
        "\"M1ft\"=\"Fenster\n"  // cut off
        "\"M1co\"=\"prog\"\n";
    fs::create_directories(file.parent_path());
    WriteBytes(file, damaged);
    FileRig rig(file);
    rig.profile.SetTitle(1, "before");
    rig.settings.LoadSettings();
    EXPECT_FALSE(rig.profile.TitleEnabled(1));
    EXPECT_EQ(rig.profile.Title(1), "");  // a missing text
    EXPECT_EQ(rig.profile.Command(1), "prog");
    EXPECT_EQ(rig.store.Problems().size(), 1u);
    EXPECT_EQ(ReadBytes(file), damaged);  // reading never changes the file

    rig.settings.SaveSettings();
    ASSERT_TRUE(rig.store.KeptAside().has_value());
    fs::path kept = *rig.store.KeptAside();
    EXPECT_EQ(kept.parent_path(), file.parent_path());
    EXPECT_EQ(kept.filename().string().rfind("settings-damaged-20", 0), 0u);
    EXPECT_EQ(kept.extension(), ".reg");
    EXPECT_EQ(ReadBytes(kept), damaged);
    EXPECT_TRUE(filestore::ParseRegFile(ReadBytes(file)).problems.empty());
    auto boxes = rig.log.Only("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(kept.string()), std::string::npos);

    rig.profile.SetTitle(2, "changed");
    rig.settings.SaveSettings();
    EXPECT_EQ(rig.log.Only("MessageBox").size(), 1u);
}

// A value of the wrong type ends the load; the first save keeps the file as
// it was beside it and names the copy in one box.
TEST_F(FileStoreTest, AWrongTypedValueKeepsTheFileBeforeTheSaveWritesOverIt) {
    const std::string stored =
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\Software\\Orvendt\\tevorin]\n"
        "\"M1fte\"=dword:00000001\n"
        "\"CheckBoxM1F\"=dword:00000000\n"
        "\"M1b1\"=dword:00000005\n"
        "\"M1b2\"=\"{F5}\"\n"
        "\"M4b12\"=\"%{F4}\"\n";
    fs::create_directories(file.parent_path());
    WriteBytes(file, stored);
    FileRig rig(file);
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.ButtonCommand(1, 2), "");  // after the stop: not read
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::Saved);

    auto boxes = rig.log.Only("MessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    std::optional<fs::path> kept;
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        if (entry.path().filename().string().rfind("settings-damaged-20", 0) == 0) {
            kept = entry.path();
        }
    }
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(ReadBytes(*kept), stored);
    EXPECT_NE(boxes[0].find(kept->string()), std::string::npos);
    EXPECT_NE(boxes[0].find("\"M1b1\""), std::string::npos);

    rig.settings.LoadSettings();
    rig.settings.SaveSettings();
    EXPECT_EQ(rig.log.Only("MessageBox").size(), 1u);
}

#ifndef _WIN32
// A file the user made read-only is a read-only key: left as it is, and each
// save shows the failure box.
TEST_F(FileStoreTest, AReadOnlyFileIsLeftAsItIsAndEachSaveShowsTheBox) {
    FileRig first(file);
    first.settings.SaveSettings();
    const std::string stored = ReadBytes(file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    FileRig rig(file);
    rig.settings.LoadSettings();
    rig.profile.SetTitle(1, "edited");
    EXPECT_EQ(rig.settings.SaveSettings(), SaveResult::KeyUnavailable);
    EXPECT_EQ(rig.names.SaveButtonNames(), SaveResult::KeyUnavailable);
    EXPECT_EQ(rig.log.Only("MessageBox").size(), 2u);
    EXPECT_EQ(ReadBytes(file), stored);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    rig.settings.LoadSettings();
    EXPECT_EQ(rig.profile.Title(1), "edited");  // the edit stays for the next try
}
#endif

#ifndef _WIN32
// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        if (old != nullptr) {
            old_ = old;
        }
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsFileLocation, FollowsXdgConfigHomeElseTheHomeFolder) {
    ScopedEnv home("HOME", "/home/jo");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/etc/jo-config");
        EXPECT_EQ(filestore::DefaultSettingsFile(), "/etc/jo-config/pultara/settings.reg");
    }
    {
        ScopedEnv config("XDG_CONFIG_HOME", "relative/ignored");
        EXPECT_EQ(filestore::DefaultSettingsFile(), "/home/jo/.config/pultara/settings.reg");
    }
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(filestore::DefaultSettingsFile(), "/home/jo/.config/pultara/settings.reg");
}
#endif

}  // namespace
}  // namespace pultara::testing
