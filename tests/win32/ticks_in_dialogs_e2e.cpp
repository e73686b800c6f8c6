// The poll tick of the real pultara.exe goes on while a modal window waits
// for the user: with "Info" open, a button box ticked from outside is
// unticked again by the next tick (no joystick: no button is held).
//   ticks_in_dialogs_e2e <path of pultara.exe>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "program_under_test.h"

namespace {

using namespace pultara::win32::testing;

// The answer to a message sent with SendMessageCallbackW.
struct Reply {
    bool arrived = false;
    LRESULT result = 0;
};

void CALLBACK Answered(HWND /*window*/, UINT /*message*/, ULONG_PTR reply, LRESULT result) {
    auto* answer = reinterpret_cast<Reply*>(reply);
    answer->arrived = true;
    answer->result = result;
}

bool Checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(PultaraExe, TicksGoOnWhileAModalWindowIsOpen) {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvendt");
    // A tick a second: the box ticked from outside is seen ticked before the
    // next tick unticks it.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Orvendt\\tevorin", 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD interval = 1000;
    RegSetValueExW(key, L"_updatespeed", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&interval),
                   sizeof(interval));
    RegCloseKey(key);
    RunningProgram program;
    ASSERT_TRUE(program.Start(ProgramPath()));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = ShownForm(L"Pultara")) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); })) << "no first tick";
    // Back from the tray, then "Info", which waits in its own message loop.
    PostTrayMessage(WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    PostMessageW(ChildButton(main, L"Info"), BM_CLICK, 0, 0);
    HWND info = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (info = ShownForm(L"Info")) != nullptr; }));

    // A click on the box of button 3 ticks it (the shown window sends
    // nothing); the next tick unticks it, since button 3 is not held. The
    // click and a look at the box reach the program while its window thread
    // is held, so it handles them one right after the other (sent messages
    // come before the posted tick): no tick can untick the box in between.
    HWND box = ChildButton(main, L"Button 3");
    ASSERT_NE(box, nullptr);
    Reply clicked;
    Reply looked;
    ASSERT_NE(SuspendThread(program.WindowThread()), static_cast<DWORD>(-1));
    SendMessageCallbackW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), BN_CLICKED),
                         reinterpret_cast<LPARAM>(box), Answered,
                         reinterpret_cast<ULONG_PTR>(&clicked));
    SendMessageCallbackW(box, BM_GETCHECK, 0, 0, Answered, reinterpret_cast<ULONG_PTR>(&looked));
    ResumeThread(program.WindowThread());
    ASSERT_TRUE(WaitFor([&] { return clicked.arrived && looked.arrived; }));
    EXPECT_EQ(looked.result, BST_CHECKED) << "the click did not tick the box";
    EXPECT_TRUE(WaitFor([&] { return !Checked(box); }, 5000))
        << "the tick did not run while \"Info\" was open";
    EXPECT_TRUE(IsWindowVisible(info)) << "\"Info\" closed meanwhile";

    PostMessageW(info, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(info); }));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(15000));
}

}  // namespace
