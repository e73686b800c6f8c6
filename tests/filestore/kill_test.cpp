#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <string>
#include <thread>

#include "engine/profile.h"
#include "engine/setting_rows.h"
#include "platform/fake/fake_system.h"
#include "platform/filestore/file_value_store.h"
#include "platform/filestore/reg_parser.h"
#include "store/settings_store.h"
#include "temp_folder.h"

namespace pultara::testing {
namespace {

namespace fs = std::filesystem;

pid_t StartHelper(const fs::path& file) {
    pid_t pid = ::fork();
    if (pid == 0) {
        ::execl(KILL_HELPER, KILL_HELPER, file.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

// The generation the file holds; fails the test unless every value is there
// and belongs to that one generation.
std::uint32_t CheckOneGeneration(const fs::path& file) {
    EXPECT_TRUE(filestore::ParseRegFile(ReadBytes(file)).problems.empty());
    fake::CallLog log;
    fake::FakeDialogs dialogs(log);
    filestore::FileValueStore store(file, &dialogs);
    Profile profile;
    profile.SetUpdateInterval(0xFFFFFFFFu);  // must be overwritten by the load
    SettingsStore(profile, store, dialogs).LoadSettings();
    std::uint32_t generation = profile.UpdateInterval();
    std::string tag = "gen " + std::to_string(generation) + " ";
    for (const SettingRow& row : kSettingRows) {
        if (row.declared->type == SettingType::Text) {
            const std::string name = ValueName(row);
            const std::string& text = profile.Text(row.id);
            EXPECT_EQ(text.rfind(tag, 0), 0u) << name << " holds \"" << text << "\"";
            EXPECT_EQ(text.substr(text.size() - name.size()), name);
        }
    }
    return generation;
}

// Waits, at most five seconds, until the helper has saved once.
bool WaitForFile(const fs::path& file) {
    for (int i = 0; i < 500 && !fs::exists(file); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return fs::exists(file);
}

TEST(FileStoreKill, AKilledSaveLeavesTheOldOrTheNewProfile) {
    TempFolder folder;
    fs::path file = folder.Path() / "pultara" / "settings.reg";
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delay_us(0, 20000);
    std::uint32_t last = 0;
    for (int round = 0; round < 40; ++round) {
        pid_t pid = StartHelper(file);
        ASSERT_GT(pid, 0);
        if (round == 0) {
            ASSERT_TRUE(WaitForFile(file));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the helper stopped by itself: " << status;
        std::uint32_t generation = CheckOneGeneration(file);
        EXPECT_GE(generation, last);  // never older than what was there before
        last = generation;
    }
    EXPECT_GT(last, 0u);
}

}  // namespace
}  // namespace pultara::testing
