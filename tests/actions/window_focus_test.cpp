#include <gtest/gtest.h>

#include <stdexcept>

#include "actions/keysend/window_focus.h"
#include "platform/fake/fake_desktop.h"

namespace pultara {
namespace {

using Lines = std::vector<std::string>;

// A desktop whose BringWindowToTop fails, as a broken back end might.
struct FailingDesktop : fake::FakeDesktop {
    using FakeDesktop::FakeDesktop;
    void BringWindowToTop(WindowId window) override {
        FakeDesktop::BringWindowToTop(window);
        throw std::runtime_error("gone");
    }
};

struct Focus : ::testing::Test {
    fake::CallLog log;
    fake::FakeDesktop desktop{log};
    WindowFocus focus{desktop};

    WindowId Activate(const std::string& title) {
        return focus.ActivateWindowByTitle(title, false) ? focus.FoundWindow() : kNoWindow;
    }
};

TEST_F(Focus, ExactTitleWinsOverAnEarlierPrefixMatch) {
    desktop.AddWindow("Notepad - notes.txt");
    const WindowId exact = desktop.AddWindow("Notepad").id;
    EXPECT_EQ(Activate("Notepad"), exact);
    EXPECT_EQ(log.Lines(),
              (Lines{"FindWindowA(\"Notepad\")", "SendMessageA(0x101, WM_SYSCOMMAND, SC_HOTKEY)",
                     "SendMessageA(0x101, WM_SYSCOMMAND, SC_RESTORE)"}));
}

TEST_F(Focus, PrefixSearchTakesTheFirstWindowWhoseTitleStartsWithTheText) {
    desktop.AddWindow("Playlist - VLC");
    const WindowId hidden = desktop.AddWindow("vlc media player", false).id;
    desktop.AddWindow("VLC media player 2");
    EXPECT_EQ(Activate("VLC"), hidden);
    EXPECT_EQ(log.Without({"Send"}), (Lines{"FindWindowA(\"VLC\")", "EnumWindows",
                                            "GetWindowTextA(0x100)", "GetWindowTextA(0x101)"}));
    EXPECT_EQ(Activate("media player"), kNoWindow);
    EXPECT_EQ(focus.FoundWindow(), kNoWindow);
}

TEST(TitleRule, IgnoresAsciiCaseOnlyAndSeesAtMost79Characters) {
    EXPECT_TRUE(TitleBeginsWith("MÜSIK-Box", "mÜsik"));
    EXPECT_FALSE(TitleBeginsWith("MÜSIK-Box", "Müsik"));
    EXPECT_FALSE(TitleBeginsWith("Mus", "Musik"));
    EXPECT_FALSE(TitleBeginsWith("{1] x", "[1]"));  // '{' and '[' differ by the case bit
    constexpr std::size_t kUmlautBytes = 2;         // "ä" in UTF-8
    std::string umlauts;
    for (int i = 0; i < 100; ++i) {
        umlauts += "ä";
    }
    EXPECT_TRUE(TitleBeginsWith(umlauts, umlauts.substr(0, 79 * kUmlautBytes)));
    EXPECT_FALSE(TitleBeginsWith(umlauts, umlauts.substr(0, 80 * kUmlautBytes)));
}

TEST_F(Focus, EmptyTitleFindsNoWindowAndAsksNothing) {
    desktop.AddWindow("", false);
    desktop.AddWindow("Editor");
    EXPECT_EQ(Activate("Editor"), 0x101U);
    log.Clear();
    EXPECT_EQ(Activate(""), kNoWindow);
    EXPECT_EQ(focus.FoundWindow(), kNoWindow);
    EXPECT_EQ(log.Lines(), Lines{});
}

TEST(FocusErrors, AnErrorMakesActivationFalseAndRestoreSilent) {
    fake::CallLog log;
    FailingDesktop desktop{log};
    desktop.AddWindow("Player");
    desktop.attachSucceeds = false;
    desktop.lockTimeout = 777;
    WindowFocus focus{desktop};
    EXPECT_FALSE(focus.ActivateWindowByTitle("Player", true));
    EXPECT_EQ(desktop.lockTimeout, 777U);  // written back although the step failed
    desktop.foreground = 0x100;
    focus.RememberForegroundWindow();
    desktop.foreground = kNoWindow;
    log.Clear();
    EXPECT_NO_THROW(focus.RestoreRememberedWindow());
    EXPECT_EQ(log.Lines().back(), "SPI_SETFOREGROUNDLOCKTIMEOUT(777)");
}

struct Forcing : Focus {
    void SetUp() override {
        desktop.foreground = desktop.AddWindow("Other").id;  // 0x100, thread 256
        target = desktop.AddWindow("Target").id;             // 0x101, thread 257
        desktop.foregroundFreelyAllowed = false;
        desktop.lockTimeout = 123456;
    }
    WindowId target = kNoWindow;
};

TEST_F(Forcing, MinimisedForegroundWindowIsOnlyRestored) {
    desktop.Find(target)->iconic = true;
    desktop.foreground = target;
    EXPECT_TRUE(focus.BringToForeground(target));
    EXPECT_EQ(log.Lines(),
              (Lines{"IsIconic(0x101)", "ShowWindow(0x101, 9)", "GetForegroundWindow"}));
}

TEST_F(Forcing, AttachedThreadInputBringsTheWindowForwardAndIsUndone) {
    EXPECT_TRUE(focus.BringToForeground(target));
    EXPECT_EQ(log.Lines(),
              (Lines{"IsIconic(0x101)", "GetForegroundWindow", "GetForegroundWindow",
                     "GetWindowThreadProcessId(0x100)", "GetWindowThreadProcessId(0x101)",
                     "AttachThreadInput(257, 256, TRUE)", "BringWindowToTop(0x101)",
                     "SetForegroundWindow(0x101)", "AttachThreadInput(257, 256, FALSE)",
                     "GetForegroundWindow", "GetForegroundWindow"}));
}

TEST_F(Forcing, LockTimeoutFallbackWritesBackExactlyTheValueRead) {
    for (bool attachSucceeds : {false, true}) {
        log.Clear();
        desktop.foreground = 0x100;
        desktop.attachSucceeds = attachSucceeds;
        desktop.attachGrantsForeground = false;
        EXPECT_TRUE(focus.BringToForeground(target));
        EXPECT_EQ(log.Only("SPI_"),
                  (Lines{"SPI_GETFOREGROUNDLOCKTIMEOUT", "SPI_SETFOREGROUNDLOCKTIMEOUT(0)",
                         "SPI_SETFOREGROUNDLOCKTIMEOUT(123456)"}));
        EXPECT_EQ(log.Only("AttachThreadInput").size(), attachSucceeds ? 2U : 1U);
        EXPECT_EQ(desktop.lockTimeout, 123456U);
    }
}

TEST_F(Forcing, UnreadableLockTimeoutIsLeftAlone) {
    desktop.attachSucceeds = false;
    desktop.lockTimeoutReadable = false;
    EXPECT_FALSE(focus.BringToForeground(target));
    EXPECT_EQ(log.Only("SPI_"), Lines{"SPI_GETFOREGROUNDLOCKTIMEOUT"});
    EXPECT_EQ(log.Only("SetForegroundWindow"), Lines{"SetForegroundWindow(0x101)"});
}

TEST_F(Forcing, PlatformVersionDecidesBetweenPlainAndForcedChange) {
    const std::pair<PlatformVersion, bool> cases[] = {
        {{PlatformFamily::Windows9x, 4, 0}, false},  {{PlatformFamily::WindowsNT, 4, 0}, false},
        {{PlatformFamily::Windows9x, 4, 10}, true},  {{PlatformFamily::WindowsNT, 5, 0}, true},
        {{PlatformFamily::Unversioned, 0, 0}, true},
    };
    for (const auto& [version, forced] : cases) {
        log.Clear();
        desktop.foreground = 0x100;
        desktop.version = version;
        focus.BringToForeground(target);
        EXPECT_EQ(log.Only("AttachThreadInput").empty(), !forced);
        EXPECT_EQ(log.Only("BringWindowToTop").size(), 1U);
    }
}

}  // namespace
}  // namespace pultara
