#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_mixer.h"
#include "platform/win32/win32_processes.h"

namespace pultara::win32 {
namespace {

TEST(KeyboardLookup, CharactersGiveTheLayoutsKeyCodes) {
    Win32Keyboard keyboard;
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'a'), 0x0041);
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'A'), 0x0141);
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'{'), 0x01DB);
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'}'), 0x01DD);
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U' '), 0x0020);
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'\U0001F600'), kNoKeyCode);
    EXPECT_EQ(keyboard.KeyCodeForCharacter(char32_t{0xD800}), kNoKeyCode);
}

TEST(KeyboardLookup, VirtualKeysGiveScanCodes) {
    Win32Keyboard keyboard;
    EXPECT_EQ(keyboard.ScanCodeForVirtualKey('A') & 0xFF, 0x1Eu);
    EXPECT_EQ(keyboard.ScanCodeForVirtualKey(VK_RETURN) & 0xFF, 0x1Cu);
    EXPECT_EQ(keyboard.ScanCodeForVirtualKey(VK_SHIFT) & 0xFF, 0x2Au);
}

TEST(Joystick, WithoutAJoystickTheSampleKeepsWhatItHeld) {
    Win32Joystick joystick;
    JoystickSample sample{1, 2, 3, 4};
    if (!joystick.Read(sample)) {
        EXPECT_EQ(sample.xPos, 1u);
        EXPECT_EQ(sample.buttons, 4u);
    }
}

class ProcessesTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder =
            Narrow(std::wstring(temp)) + "pultara-prozess-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryW(Widen(folder).c_str(), nullptr);
        file = folder + "\\Lieder für Jürgen.m3u";
        HANDLE handle = CreateFileW(Widen(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(handle);
    }
    void TearDown() override {
        DeleteFileW(Widen(file).c_str());
        RemoveDirectoryW(Widen(folder).c_str());
    }

    Win32Processes processes;
    std::string folder;
    std::string file;
};

TEST_F(ProcessesTest, OnlyExistingFilesExist) {
    EXPECT_TRUE(processes.FileExists(file));
    EXPECT_FALSE(processes.FileExists(folder));
    EXPECT_FALSE(processes.FileExists(folder + "\\fehlt.txt"));
    EXPECT_FALSE(processes.FileExists(""));
}

TEST_F(ProcessesTest, StartingReportsWhetherTheProgramRuns) {
    EXPECT_TRUE(processes.StartProcess("cmd.exe /c exit 0 "));
    EXPECT_FALSE(processes.StartProcess("gibt-es-nicht-4711.exe "));
    EXPECT_FALSE(processes.StartProcess(file + " "));  // a document is no program
    EXPECT_FALSE(processes.StartProcess(""));
}

TEST_F(ProcessesTest, PriorityGoesUpAndBackToNormal) {
    processes.SetPriority(ProcessPriority::High);
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
    processes.SetPriority(ProcessPriority::Normal);
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
}

TEST(Mixer, FailuresAreResultCodesNeverCrashes) {
    Win32Mixer mixer;
    std::uint32_t id = 0;
    // Nothing open: every call reports an error.
    EXPECT_NE(mixer.SetControlValue(kMixerControlVolume, 100), kMixerOk);
    mixer.Close();
    if (mixer.Open() == kMixerOk) {
        std::uint32_t line = 99;
        EXPECT_EQ(mixer.GetSpeakerLine(line), kMixerOk);
        // A control type the line does not have is refused.
        EXPECT_NE(mixer.GetLineControl(line, 0x12345678, id), kMixerOk);
        mixer.Close();
    }
    mixer.Close();
    EXPECT_NE(mixer.SetControlValue(kMixerControlVolume, 100), kMixerOk);
}

}  // namespace
}  // namespace pultara::win32
