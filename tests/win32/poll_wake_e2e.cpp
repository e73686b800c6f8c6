// The sleeping poll tick of pultara.exe: the core's program (on the fake
// platform, with real message boxes) driven by the real ProgramTimers on a
// window of its own. At rest the poll timer stops; Raw Input runs a tick at
// once, also while a box opened by such a tick waits for the user; after a
// device change (WM_INPUT_DEVICE_CHANGE; on XP WM_DEVICECHANGE) the poll runs
// on by itself before it sleeps again. Wine has
// no game controller, so the joystick is the test's and the Raw Input
// messages are posted.
#include <windows.h>

#include <dbt.h>
#include <gtest/gtest.h>

#include "apps/win32/program_timers.h"
#include "platform/fake/fake_form_host.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shell.h"
#include "platform/win32/tick_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "ui/application.h"
#include "waiting.h"

namespace pultara::win32app {
namespace {

using pultara::win32::testing::WaitFor;

// Joystick 0 as the test sets it; counts the ticks that read it.
class TestJoystick : public Joystick {
public:
    bool Read(JoystickSample& sample) override {
        ++reads;
        sample = reading;
        return true;
    }
    JoystickSample reading = kRestingSample;
    int reads = 0;
};

LRESULT CALLBACK ScheduleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* schedule = reinterpret_cast<ProgramTimers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    LRESULT result = 0;
    if (schedule != nullptr && schedule->HandleMessage(message, wParam, lParam, result)) {
        return result;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateScheduleWindow() {
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = ScheduleProc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"PultaraPollWakeTest";
    RegisterClassExW(&type);
    return CreateWindowExW(WS_EX_TOOLWINDOW, type.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                           nullptr, type.hInstance, nullptr);
}

// The program with its poll tick on the schedule, started and at rest.
struct SleepingProgram : ::testing::Test {
    void SetUp() override {
        ASSERT_NE(window, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&schedule));
        program.UseJoystickSignals(&schedule);
        program.Start();
        schedule.Follow();
        // The first tick hides the window; then the program is at rest.
        ASSERT_TRUE(WaitFor([&] { return joystick.reads >= 1 && Asleep(); }))
            << "the poll never went to sleep (is Raw Input registered?)";
    }
    void TearDown() override {
        program.UseJoystickSignals(nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
    bool Asleep() const { return !program.PollTimer().Runs(); }
    void Signal(UINT message, WPARAM kind) { PostMessageW(window, message, kind, 0); }

    fake::FakePlatform fakes;
    TestJoystick joystick;
    win32::Win32Dialogs dialogs;
    win32::TickClock clock;  // the poll runs on for a while after a device change
    fake::FakeTray tray{fakes.log};
    fake::FakeFiles files{fakes.log};
    fake::FakeFileDialog fileDialog{fakes.log};
    fake::FakeFormHost host{fakes.log};
    Application core{Platform{joystick, fakes.keyboard, fakes.mouse, fakes.desktop, fakes.processes,
                              fakes.mixer, fakes.store, dialogs, clock},
                     FrontEndPorts{tray, files, fileDialog, host}};
    Program& program = core.program();
    HWND window = CreateScheduleWindow();
    ProgramTimers schedule{window, program};
};

TEST_F(SleepingProgram, RawInputWakesTheTickAndADeviceChangePollsAWhile) {
    // Joystick input runs a tick and the timer sleeps again.
    int before = joystick.reads;
    Signal(WM_INPUT, RIM_INPUTSINK);
    EXPECT_TRUE(WaitFor([&] { return joystick.reads > before; })) << "WM_INPUT ran no tick";
    EXPECT_TRUE(WaitFor([&] { return Asleep(); }));

    // A controller came: the poll keeps ticking without any further input,
    // then sleeps again.
    before = joystick.reads;
    // Sent, as the system sends it: WM_DEVICECHANGE of an arrival carries a
    // pointer and cannot be posted.
    const UINT deviceChange = win32::RawInputWake::DeviceChangeMessage();
    constexpr WPARAM kRawInputArrival = 1;  // GIDC_ARRIVAL
    SendMessageW(window, deviceChange,
                 deviceChange == WM_DEVICECHANGE ? DBT_DEVICEARRIVAL : kRawInputArrival, 0);
    EXPECT_TRUE(WaitFor([&] { return joystick.reads >= before + 20; }))
        << "the poll stopped after " << joystick.reads - before << " ticks of a device change";
    EXPECT_TRUE(WaitFor([&] { return Asleep(); }));
}

// What the user does while the box waits: runs from a thread timer, which
// the box's own message loop dispatches.
struct InsideTheBox {
    SleepingProgram* test = nullptr;
    HWND box = nullptr;
    bool sleptInside = false;
    ULONGLONG deadline = 0;
    std::int32_t pointerBefore = 0;
    bool movedWhileOpen = false;
    bool closed = false;
};
InsideTheBox inside;

// Once the box is open the button is let go; once the program sleeps again
// the stick goes left; each change is signalled by Raw Input. The box is
// closed once the pointer moved, or after 10 s without.
void CALLBACK ActInsideTheBox(HWND, UINT, UINT_PTR, DWORD) {
    SleepingProgram& test = *inside.test;
    if (inside.closed) {
        return;
    }
    if (inside.box == nullptr) {
        HWND box = FindWindowW(L"#32770", L"SendKeys");
        if (box != nullptr && IsWindowVisible(box)) {
            inside.box = box;
            inside.deadline = GetTickCount64() + 10000;
            test.joystick.reading = kRestingSample;
            test.Signal(WM_INPUT, RIM_INPUTSINK);
        }
        return;
    }
    if (!inside.sleptInside && test.Asleep()) {
        inside.sleptInside = true;
        inside.pointerBefore = test.fakes.mouse.pointer.x;
        test.joystick.reading.xPos = 20000;
        test.Signal(WM_INPUT, RIM_INPUTSINK);
    }
    inside.movedWhileOpen = inside.sleptInside && test.fakes.mouse.pointer.x < inside.pointerBefore;
    if (inside.movedWhileOpen || GetTickCount64() > inside.deadline) {
        inside.closed = true;
        PostMessageW(inside.box, WM_COMMAND, IDOK, 0);
    }
}

TEST_F(SleepingProgram, TheStickActsInsideABoxOpenedByATickFromRest) {
    core.profile().SetButtonCommand(1, 4, "{FOO}");
    core.profile().SetAxisListPosition(Axis::X, 11);  // "Mausachse X"
    ASSERT_TRUE(WaitFor([&] { return Asleep(); }));
    inside = InsideTheBox{this};
    const UINT_PTR clock = SetTimer(nullptr, 0, 10, ActInsideTheBox);

    // Button 4 from rest: its tick opens "Invalid Key Name".
    joystick.reading.buttons = 1U << 3;
    Signal(WM_INPUT, RIM_INPUTSINK);
    EXPECT_TRUE(WaitFor([&] { return inside.closed; }, 30000)) << "no box opened";
    KillTimer(nullptr, clock);
    EXPECT_NE(inside.box, nullptr);
    EXPECT_TRUE(inside.movedWhileOpen)
        << "the stick did not move the pointer while the box was open";
}

}  // namespace
}  // namespace pultara::win32app
