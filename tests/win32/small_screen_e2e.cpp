// pultara.exe on a small laptop screen: 1366x768 at 150 % (144 DPI), run
// in a Wine session of that screen size.
// Watched from outside as the user sees it:
// - the main window lies in the work area and scrolls; "Beenden", "Info",
//   the button boxes and the commands of buttons 7 to 12 are in view or
//   come into view with the scroll bars;
// - long button names are cut with "…" where they do not fit;
// - Escape in "Buttons umbenennen" cancels: the fields and the main window
//   go back to the stored names;
// - a box of the program is owned by the window it shows in front of.
// The helper script photographs the screen on request ("NAME.request").
//   small_screen_e2e <path of pultara.exe>
#include <windows.h>

#include <aclapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_under_test.h"

namespace {

using namespace pultara::win32::testing;

constexpr wchar_t kNamesKey[] = L"Software\\Orvendt\\tevorin\\names";
const std::wstring kLongName = L"Wiedergabe starten oder pausieren";
const std::wstring kWideName(26, L'W');

void Photograph(const std::string& name) {
    const std::wstring base(name.begin(), name.end());
    WriteWholeFile(base + L".request", "");
    const std::wstring done = base + L".done";
    EXPECT_TRUE(WaitFor([&] { return FileExists(done); }, 30000)) << "no screenshot " << name;
    DeleteFileW(done.c_str());
}

void PutName(int button, const std::wstring& name) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kNamesKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    const std::wstring value = L"name" + std::to_wstring(button);
    RegSetValueExW(key, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()),
                   static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

std::string Text(const RECT& r) {
    return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "+" +
           std::to_string(r.left) + "+" + std::to_string(r.top);
}

// The client area of `window` on the screen.
RECT ClientOnScreen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

bool Inside(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Scrolls `window` one line at a time with `message` in `direction` until
// `done` or the bar stops moving.
template <typename Done>
void ScrollUntil(HWND window, UINT message, WPARAM direction, Done done) {
    const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
    for (int step = 0; step < 200 && !done(); ++step) {
        const int before = GetScrollPos(window, bar);
        SendMessageW(window, message, direction, 0);
        if (GetScrollPos(window, bar) == before) {
            return;
        }
    }
}

// Whether `control` is in view, scrolling with the arrows of the window's
// scroll bars (down and right, then up and left) as a user would.
bool InViewAfterScrolling(HWND window, HWND control) {
    auto inView = [&] {
        RECT box{};
        GetWindowRect(control, &box);
        return IsWindowVisible(control) && Inside(ClientOnScreen(window), box);
    };
    for (const UINT message : {WM_VSCROLL, WM_HSCROLL}) {
        ScrollUntil(window, message, SB_LINEDOWN, inView);
        ScrollUntil(window, message, SB_LINEUP, inView);
    }
    return inView();
}

// The direct children of `page`, of one class, in z-order.
std::vector<HWND> ChildrenOfClass(HWND page, const wchar_t* kind) {
    std::vector<HWND> found;
    for (HWND item = GetWindow(page, GW_CHILD); item != nullptr;
         item = GetWindow(item, GW_HWNDNEXT)) {
        if (_wcsicmp(ClassOf(item).c_str(), kind) == 0) {
            found.push_back(item);
        }
    }
    return found;
}

// The direct children of the shown mode page, of one class, in z-order.
std::vector<HWND> OnShownPage(HWND main, const wchar_t* kind) {
    for (HWND child : Descendants(main)) {
        if (ClassOf(child) == L"PultaraPage" && IsWindowVisible(child)) {
            return ChildrenOfClass(child, kind);
        }
    }
    return {};
}

HWND CheckBoxAt(HWND main, int index) {
    int seen = 0;
    for (HWND child : Descendants(main)) {
        if (_wcsicmp(ClassOf(child).c_str(), L"Button") == 0 &&
            (GetWindowLongW(child, GWL_STYLE) & 0xF) == BS_CHECKBOX && GetParent(child) == main &&
            seen++ == index) {
            return child;
        }
    }
    return nullptr;
}

void PressKey(WORD key) {
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
}

class SmallScreen : public ::testing::Test {
protected:
    void SetUp() override {
        PutDword(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", 144);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvendt");
        for (int button = 1; button <= 12; ++button) {
            PutName(button, button == 1   ? kLongName
                            : button == 2 ? kWideName
                                          : L"Button " + std::to_wstring(button));
        }
        ASSERT_TRUE(program_.Start(ProgramPath()));
    }
    void TearDown() override {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
    }

    RunningProgram program_;
};

TEST_F(SmallScreen, EveryControlInReachLongNamesCutEscapeCancels) {
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = MainWindow()) != nullptr && IsWindowVisible(main); }));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
    PostTrayMessage(WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    // The stored names reach the window with the first periodic save.
    HWND first = CheckBoxAt(main, 0);
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(WaitFor([&] { return TextOf(first) != L"Button 1"; }, 15000));
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Photograph("small-screen-main");

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT frame{};
    GetWindowRect(main, &frame);
    EXPECT_TRUE(Inside(work, frame)) << "window " << Text(frame) << ", work area " << Text(work);

    // A long name is cut with "…" where it does not fit.
    const std::wstring shown = TextOf(first);
    EXPECT_NE(shown, kLongName);
    EXPECT_EQ(shown.substr(0, 4), L"Wied");
    EXPECT_EQ(shown.back(), L'\u2026');

    std::vector<std::pair<std::wstring, HWND>> wanted = {
        {L"Beenden", ChildButton(main, L"Beenden")},
        {L"Info", ChildButton(main, L"Info")},
        {L"button box 12", CheckBoxAt(main, 11)}};
    const std::vector<HWND> edits = OnShownPage(main, L"Edit");
    ASSERT_GE(edits.size(), 15u);  // description, command, parameter, twelve commands
    for (int button = 7; button <= 12; ++button) {
        wanted.emplace_back(L"command of button " + std::to_wstring(button),
                            edits[edits.size() - 13 + static_cast<std::size_t>(button)]);
    }
    for (const auto& [name, control] : wanted) {
        ASSERT_NE(control, nullptr) << std::string(name.begin(), name.end());
        EXPECT_TRUE(InViewAfterScrolling(main, control))
            << std::string(name.begin(), name.end()) << " is out of reach";
    }
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Photograph("small-screen-scrolled");

    // Escape in the rename dialog: the typed name is gone from the field
    // and from the main window.
    PostMessageW(ChildButton(main, L"Buttons umbenennen"), BM_CLICK, 0, 0);
    HWND rename = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (rename = ShownForm(L"Buttons umbenennen")) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == rename; }));
    PressKey(VK_HOME);
    PressKey('X');  // typed as "x"

    HWND field = nullptr;
    const auto typed = [&] {
        for (HWND child : Descendants(rename)) {
            if (_wcsicmp(ClassOf(child).c_str(), L"Edit") == 0 && TextOf(child)[0] == L'x') {
                field = child;
            }
        }
        return field != nullptr;
    };
    ASSERT_TRUE(WaitFor(typed)) << "the typed letter is in no field";
    // The main window shows the typed name at the next periodic save.
    ASSERT_TRUE(WaitFor([&] { return TextOf(first)[0] == L'x'; }, 15000));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(rename); }));
    EXPECT_EQ(TextOf(field), kLongName);
    EXPECT_EQ(TextOf(first), shown) << "the main window shows the name typed before Escape";

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program_.WaitForExit(10000));
}

// The settings key, made and then closed to writing for everyone: every
// save fails.
void MakeSettingsReadOnly() {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    EXPLICIT_ACCESSW deny{};
    deny.grfAccessPermissions = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
    deny.grfAccessMode = DENY_ACCESS;
    deny.grfInheritance = NO_INHERITANCE;
    deny.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    deny.Trustee.ptstrName = const_cast<wchar_t*>(L"EVERYONE");
    PACL acl = nullptr;
    SetEntriesInAclW(1, &deny, nullptr, &acl);
    SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, acl,
                    nullptr);
    LocalFree(acl);
    RegCloseKey(key);
}

// How many boxes of the program are shown.
int ShownBoxes() {
    int count = 0;
    EnumWindows(
        [](HWND window, LPARAM counter) {
            if (IsWindowVisible(window) && ClassOf(window) == L"#32770") {
                ++*reinterpret_cast<int*>(counter);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// OK on a box, and wait until it has gone.
void Answer(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
}

// A box of a failed save, opened while the main window is shown, is owned
// by the main window, so it lies in front of it.
TEST_F(SmallScreen, ASaveBoxBelongsToTheShownWindow) {
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = MainWindow()) != nullptr && IsWindowVisible(main); }));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
    MakeSettingsReadOnly();
    PostTrayMessage(WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            box = FindWindowW(L"#32770", L"Information");
            return box != nullptr && IsWindowVisible(box);
        },
        15000))
        << "no box about the failed save";
    Photograph("small-screen-save-box");
    EXPECT_EQ(GetWindow(box, GW_OWNER), main);
    Answer(box);
    // The close box, as "Beenden": the failing save is reported twice, also
    // when each box stays open longer than the save interval (a box opened
    // inside it would show meanwhile).
    PostMessageW(main, WM_CLOSE, 0, 0);
    int shown = 0;
    while (!program_.WaitForExit(100)) {
        HWND next = FindWindowW(L"#32770", L"Information");
        if (next == nullptr || !IsWindowVisible(next)) {
            continue;
        }
        ++shown;
        EXPECT_FALSE(WaitFor([] { return ShownBoxes() > 1; }, 6000))
            << "a box opened inside box " << shown;
        Answer(next);
    }
    EXPECT_EQ(shown, 2) << "boxes shown while closing";
}

}  // namespace
