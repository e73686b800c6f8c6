// The Linux back end against a real X server, window manager and sound
// server (run through virtual-desktop.sh).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "desktop_session.h"
#include "platform/linux/linux_platform.h"

// Xlib last: its macros would clash with the program's names.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace pultara::e2e {
namespace {

using linux_x11::AlsaMixer;
using linux_x11::LinuxPlatform;

bool IsExtended(std::uint8_t vk) {
    return (vk >= 0x21 && vk <= 0x28) || vk == 0x2D || vk == 0x2E || (vk >= 0x5B && vk <= 0x5D) ||
           (vk >= 0x60 && vk <= 0x69) || vk == 0x6B || vk == 0x6D;
}

// Presses a KeyCode the way the key-sequence language does: modifiers of the
// high byte down, the key `count` times, the modifiers up in the same order.
void TypeKeyCode(Keyboard& keyboard, std::uint16_t code, int count = 1) {
    static constexpr std::uint8_t kModifiers[] = {0x10, 0x11, 0x12};
    const auto scan = [&](std::uint8_t vk) {
        return static_cast<std::uint8_t>(keyboard.ScanCodeForVirtualKey(vk));
    };
    // Ctrl and Alt that a character asks for together are AltGr's parts.
    const bool altGr = ((code >> 8) & 6) == 6;
    const auto part = [altGr](int bit) { return altGr && bit > 0 ? kKeyEventAltGrPart : 0; };
    for (int bit = 0; bit < 3; ++bit) {
        if ((code >> 8) & (1 << bit)) {
            keyboard.SendKeyEvent(kModifiers[bit], scan(kModifiers[bit]), part(bit));
        }
    }
    const auto vk = static_cast<std::uint8_t>(code & 0xFF);
    const std::uint32_t ext = IsExtended(vk) ? kKeyEventExtended : 0;
    for (int i = 0; i < count; ++i) {
        keyboard.SendKeyEvent(vk, scan(vk), ext);
        keyboard.SendKeyEvent(vk, scan(vk), ext | kKeyEventKeyUp);
    }
    for (int bit = 0; bit < 3; ++bit) {
        if ((code >> 8) & (1 << bit)) {
            keyboard.SendKeyEvent(kModifiers[bit], scan(kModifiers[bit]),
                                  kKeyEventKeyUp | part(bit));
        }
    }
}

void TypeText(Keyboard& keyboard, const std::u32string& text) {
    for (char32_t c : text) {
        const std::uint16_t code = keyboard.KeyCodeForCharacter(c);
        ASSERT_NE(code, kNoKeyCode) << "character U+" << std::hex << static_cast<unsigned>(c);
        TypeKeyCode(keyboard, code);
    }
}

class OnTheDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) {
            GTEST_SKIP() << "needs a display (run through virtual-desktop.sh)";
        }
        platform = std::make_unique<LinuxPlatform>();
        ASSERT_NE(platform->x.display(), nullptr);
    }
    void TearDown() override {
        if (platform) {
            platform->keyboard.ReleaseAllKeys();
        }
        RunCommand("setxkbmap us");
    }

    WindowId WaitForWindow(const std::string& title) {
        WindowId found = kNoWindow;
        WaitUntil([&] {
            found = platform->desktop.FindWindowByTitle(title);
            return found != kNoWindow;
        });
        return found;
    }

    // The back end waits a fraction of a second for the window manager;
    // on a loaded machine the test waits for the activation itself.
    WindowId ActivatedTarget(KeyTarget&, const std::string& title) {
        const WindowId window = WaitForWindow(title);
        EXPECT_NE(window, kNoWindow) << title;
        Desktop& desktop = platform->desktop;
        desktop.SetForegroundWindow(window);
        EXPECT_TRUE(WaitUntil([&] { return desktop.ForegroundWindow() == window; })) << title;
        return window;
    }

    std::unique_ptr<LinuxPlatform> platform;
};

TEST_F(OnTheDesktop, KeysReachTheWindowInTheForeground) {
    KeyTarget target("Pultara Tastenziel");
    ActivatedTarget(target, "Pultara Tastenziel");
    Keyboard& keyboard = platform->keyboard;
    TypeText(keyboard, U"Ab1! {}");
    TypeKeyCode(keyboard, 0x0D);     // Enter
    TypeKeyCode(keyboard, 0x25, 3);  // Left, three times
    TypeKeyCode(keyboard, 0x241);    // Ctrl+A
    TypeKeyCode(keyboard, 0x458);    // Alt+X
    TypeKeyCode(keyboard, 0x70);     // F1
    EXPECT_EQ(target.WaitFor("Ab1! {}{Return}{Left}{Left}{Left}<C-a><A-x>{F1}"),
              "Ab1! {}{Return}{Left}{Left}{Left}<C-a><A-x>{F1}");
    // Nothing stays down on the server.
    char keys[32];
    XQueryKeymap(platform->x.display(), keys);
    for (char byte : keys) {
        EXPECT_EQ(byte, 0);
    }
}

TEST_F(OnTheDesktop, AGermanLayoutTypesUmlautsAndAltGrCharacters) {
    RunCommand("setxkbmap de");
    KeyTarget target("Pultara Deutsch");
    ActivatedTarget(target, "Pultara Deutsch");
    Keyboard& keyboard = platform->keyboard;
    // "@" is AltGr+Q there, reported as Ctrl+Alt (0x06) like Windows does.
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'@') & 0xFF00, 0x0600);
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'Ä') & 0xFF00, 0x0100);
    TypeText(keyboard, U"zäÖß@{€<|~µ");
    EXPECT_EQ(target.WaitFor("zäÖß@{€<|~µ"), "zäÖß@{€<|~µ");
    // Characters the layout lacks have no KeyCode.
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'Ж'), kNoKeyCode);
}

// The layout group is followed from the server's announcements, not asked
// for on every character: a switch made by another program must be seen.
TEST_F(OnTheDesktop, ASwitchOfTheLayoutGroupIsFollowed) {
    RunCommand("setxkbmap us,de");
    Keyboard& keyboard = platform->keyboard;
    EXPECT_EQ(keyboard.KeyCodeForCharacter(U'ä'), kNoKeyCode);
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    XkbLockGroup(other, XkbUseCoreKbd, 1);
    XSync(other, False);
    EXPECT_TRUE(WaitUntil([&] { return keyboard.KeyCodeForCharacter(U'ä') != kNoKeyCode; }));
    KeyTarget target("Pultara Gruppe");
    ActivatedTarget(target, "Pultara Gruppe");
    TypeText(keyboard, U"zä");
    EXPECT_EQ(target.WaitFor("zä"), "zä");
    XkbLockGroup(other, XkbUseCoreKbd, 0);
    XSync(other, False);
    EXPECT_TRUE(WaitUntil([&] { return keyboard.KeyCodeForCharacter(U'ä') == kNoKeyCode; }));
    XCloseDisplay(other);
}

TEST_F(OnTheDesktop, NumLockTogglesOnEachPress) {
    Display* display = platform->x.display();
    const auto numLockOn = [&] {
        unsigned state = 0;
        XkbGetIndicatorState(display, XkbUseCoreKbd, &state);
        return (state & 0x2) != 0;  // the second indicator is Num Lock
    };
    const bool before = numLockOn();
    platform->keyboard.ToggleNumLock();
    EXPECT_TRUE(WaitUntil([&] { return numLockOn() != before; }));
    platform->keyboard.ToggleNumLock();
    EXPECT_TRUE(WaitUntil([&] { return numLockOn() == before; }));
}

TEST_F(OnTheDesktop, ThePointerIsReadSetAndKeptOnTheScreen) {
    Mouse& mouse = platform->mouse;
    mouse.SetCursorPos({100, 120});
    PointerPosition position;
    ASSERT_TRUE(mouse.GetCursorPos(position));
    EXPECT_EQ(position.x, 100);
    EXPECT_EQ(position.y, 120);
    mouse.SetCursorPos({-50, 99999});
    ASSERT_TRUE(mouse.GetCursorPos(position));
    EXPECT_EQ(position.x, 0);
    EXPECT_EQ(position.y, DisplayHeight(platform->x.display(), 0) - 1);
}

TEST_F(OnTheDesktop, MouseButtonsClickWhereThePointerIs) {
    KeyTarget target("Pultara Mausziel", "300x200+400+300");
    ActivatedTarget(target, "Pultara Mausziel");
    platform->mouse.SetCursorPos({550, 400});
    platform->mouse.SendButtonEvent(kMouseLeftDown);
    platform->mouse.SendButtonEvent(kMouseLeftUp);
    platform->mouse.SendButtonEvent(kMouseRightDown | kMouseRightUp);
    platform->mouse.SendButtonEvent(kMouseMiddleDown);
    platform->mouse.SendButtonEvent(kMouseMiddleUp);
    EXPECT_EQ(target.WaitFor("{Button1}{Button3}{Button2}"), "{Button1}{Button3}{Button2}");
}

TEST_F(OnTheDesktop, WindowsAreListedTopFirstWithUtf8TitlesAndForegroundFollows) {
    KeyTarget first("Pultara Fenster Ünïcødé ✓");
    const WindowId older = ActivatedTarget(first, "Pultara Fenster Ünïcødé ✓");
    KeyTarget second("Pultara Fenster zwei");
    const WindowId newer = ActivatedTarget(second, "Pultara Fenster zwei");
    Desktop& desktop = platform->desktop;
    EXPECT_EQ(desktop.ForegroundWindow(), newer);
    const std::vector<WindowId> windows = desktop.EnumerateWindows();
    const auto position = [&](WindowId w) { return std::find(windows.begin(), windows.end(), w); };
    ASSERT_NE(position(older), windows.end());
    EXPECT_LT(position(newer), position(older));
    EXPECT_EQ(desktop.WindowTitle(older), "Pultara Fenster Ünïcødé ✓");
    EXPECT_TRUE(desktop.IsWindowVisible(older));

    EXPECT_TRUE(desktop.SetForegroundWindow(older));
    EXPECT_EQ(desktop.ForegroundWindow(), older);
    desktop.SendSysCommand(newer, kSysCommandHotkey);
    EXPECT_EQ(desktop.ForegroundWindow(), newer);
}

TEST_F(OnTheDesktop, AMinimisedWindowCountsAsShownAndIsRestoredOnRequest) {
    KeyTarget target("Pultara Minimiert");
    const WindowId window = ActivatedTarget(target, "Pultara Minimiert");
    Desktop& desktop = platform->desktop;
    XIconifyWindow(platform->x.display(), static_cast<Window>(window), 0);
    XSync(platform->x.display(), False);
    ASSERT_TRUE(WaitUntil([&] { return desktop.IsIconic(window); }));
    EXPECT_TRUE(desktop.IsWindowVisible(window));
    desktop.SendSysCommand(window, kSysCommandHotkey);
    desktop.SendSysCommand(window, kSysCommandRestore);
    EXPECT_TRUE(WaitUntil([&] { return !desktop.IsIconic(window); }));
    EXPECT_TRUE(WaitUntil([&] { return desktop.ForegroundWindow() == window; }));
}

TEST_F(OnTheDesktop, AWindowThatVanishedIsHarmless) {
    auto target = std::make_unique<KeyTarget>("Pultara Verschwindet");
    const WindowId window = WaitForWindow("Pultara Verschwindet");
    ASSERT_NE(window, kNoWindow);
    target.reset();
    Desktop& desktop = platform->desktop;
    ASSERT_TRUE(WaitUntil([&] { return desktop.FindWindowByTitle("Pultara Verschwindet") == 0; }));
    const unsigned long errorsBefore = linux_x11::XConnection::ErrorCount();
    EXPECT_EQ(desktop.WindowTitle(window), "");
    EXPECT_FALSE(desktop.IsWindowVisible(window));
    EXPECT_FALSE(desktop.IsIconic(window));
    desktop.SendSysCommand(window, kSysCommandRestore);
    desktop.ShowWindow(window, kShowRestore);
    desktop.BringWindowToTop(window);
    EXPECT_FALSE(desktop.SetForegroundWindow(window));
    EXPECT_EQ(desktop.WindowThreadId(window), 0u);
    XSync(platform->x.display(), False);
    EXPECT_GT(linux_x11::XConnection::ErrorCount(), errorsBefore);  // reported, survived
}

TEST_F(OnTheDesktop, TheVolumeFollowsTheMasterControl) {
    AlsaMixer& mixer = platform->mixer;
    const char* sink = std::getenv("PULTARA_NULL_SINK");
    ASSERT_NE(sink, nullptr);
    const auto volume = [&] { return RunCommand(std::string("pactl get-sink-volume ") + sink); };
    ASSERT_EQ(mixer.Open(), kMixerOk);
    std::uint32_t line = 99;
    ASSERT_EQ(mixer.GetSpeakerLine(line), kMixerOk);
    std::uint32_t control = 0;
    ASSERT_EQ(mixer.GetLineControl(line, kMixerControlVolume, control), kMixerOk);
    EXPECT_EQ(mixer.SetControlValue(control, 32768), kMixerOk);
    EXPECT_TRUE(WaitUntil([&] { return volume().find(" 50%") != std::string::npos; })) << volume();
    EXPECT_EQ(mixer.SetControlValue(control, 0), kMixerOk);
    EXPECT_TRUE(WaitUntil([&] { return volume().find(" 0%") != std::string::npos; })) << volume();
    // The null sink has no tone controls.
    EXPECT_EQ(mixer.GetLineControl(line, kMixerControlTreble, control), AlsaMixer::kMixerNoControl);
    EXPECT_EQ(mixer.GetLineControl(line, kMixerControlBass, control), AlsaMixer::kMixerNoControl);
    mixer.Close();
}

int ZombieChildren() {
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string stat = ReadFile(entry.path() / "stat");
        const auto close = stat.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        char state = 0;
        int parent = 0;
        if (std::sscanf(stat.c_str() + close + 1, " %c %d", &state, &parent) == 2 &&
            parent == getpid() && state == 'Z') {
            ++zombies;
        }
    }
    return zombies;
}

TEST_F(OnTheDesktop, ProgramsStartWithoutAShellAndLeaveNoZombies) {
    Processes& processes = platform->processes;
    const std::string log = TempPath("started.log");
    const std::string title = "Pultara gestartet $HOME";
    ASSERT_TRUE(processes.StartProcess("\"" + KeyTargetProgram() + "\" --title '" + title +
                                       "' --log \"" + log + "\""));
    const WindowId window = WaitForWindow(title);  // no shell expanded $HOME
    ASSERT_NE(window, kNoWindow);
    EXPECT_FALSE(processes.StartProcess("pultara-no-such-program --flag"));
    EXPECT_FALSE(processes.StartProcess(""));
    ASSERT_TRUE(processes.StartProcess("true"));
    // Closing the started target politely ends it.
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = static_cast<Window>(window);
    close.xclient.message_type = XInternAtom(platform->x.display(), "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] =
        static_cast<long>(XInternAtom(platform->x.display(), "WM_DELETE_WINDOW", False));
    XSendEvent(platform->x.display(), static_cast<Window>(window), False, 0, &close);
    XFlush(platform->x.display());
    EXPECT_TRUE(WaitUntil([&] { return platform->desktop.FindWindowByTitle(title) == 0; }));
    EXPECT_TRUE(WaitUntil([] { return ZombieChildren() == 0; }));
}

TEST_F(OnTheDesktop, DocumentsOpenWithTheDesktopsHandler) {
    linux_x11::SpawnProcesses& processes = platform->processes;
    const std::string marker = TempPath("opened");
    const std::string document = TempPath("document.sh");
    std::ofstream(document) << "touch '" << marker << "'\n";
    ASSERT_TRUE(processes.FileExists(document));
    EXPECT_FALSE(processes.FileExists(std::filesystem::path(document).parent_path()));
    processes.opener = "sh";  // stands in for xdg-open, which hands the file over
    processes.ShellOpen(document, "");
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(marker); }));
}

TEST_F(OnTheDesktop, AProgramGivenByItsBareNameStartsWithItsParameters) {
    linux_x11::SpawnProcesses& processes = platform->processes;
    const std::string marker = TempPath("started by name");
    processes.opener = "false";  // the handler must not be asked
    processes.ShellOpen("touch", "\"" + marker + "\"");
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(marker); }));
}

// A window manager is believed while its check window lives: one that names
// itself the way managers do, then goes, must stop counting.
TEST(OnABareDisplay, AWindowManagerThatGoesIsNoticed) {
    if (std::getenv("DISPLAY") == nullptr || std::getenv("PULTARA_BARE_DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs a display without a window manager";
    }
    LinuxPlatform platform;
    ASSERT_FALSE(platform.desktop.HasWindowManager());
    Display* manager = XOpenDisplay(nullptr);
    ASSERT_NE(manager, nullptr);
    const Window root = DefaultRootWindow(manager);
    const Window check = XCreateSimpleWindow(manager, root, 0, 0, 1, 1, 0, 0, 0);
    const Atom name = XInternAtom(manager, "_NET_SUPPORTING_WM_CHECK", False);
    for (const Window window : {check, root}) {
        XChangeProperty(manager, window, name, XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&check), 1);
    }
    XSync(manager, False);
    EXPECT_TRUE(platform.desktop.HasWindowManager());
    // The manager ends and leaves its property on the root window behind.
    XDestroyWindow(manager, check);
    XSync(manager, False);
    EXPECT_TRUE(WaitUntil([&] { return !platform.desktop.HasWindowManager(); }));
    XDeleteProperty(manager, root, name);
    XCloseDisplay(manager);
}

// Without a window manager: the root's children, plain raise and focus.
TEST(OnABareDisplay, WindowsAreFoundAndFocusedWithoutAWindowManager) {
    if (std::getenv("DISPLAY") == nullptr || std::getenv("PULTARA_BARE_DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs a display without a window manager";
    }
    LinuxPlatform platform;
    ASSERT_FALSE(platform.desktop.HasWindowManager());
    KeyTarget target("Pultara ohne Fenstermanager");
    WindowId window = kNoWindow;
    ASSERT_TRUE(WaitUntil([&] {
        window = platform.desktop.FindWindowByTitle("Pultara ohne Fenstermanager");
        return window != kNoWindow && platform.desktop.IsWindowVisible(window);
    }));
    EXPECT_EQ(platform.desktop.EnumerateWindows().front(), window);
    EXPECT_TRUE(platform.desktop.SetForegroundWindow(window));
    EXPECT_EQ(platform.desktop.ForegroundWindow(), window);
    TypeText(platform.keyboard, U"ok");
    EXPECT_EQ(target.WaitFor("ok"), "ok");
}

}  // namespace
}  // namespace pultara::e2e
