// The sleeping poll tick of pultara.exe wakes on Raw Input: with the program
// at rest the timer stops, a WM_INPUT posted to the window runs a tick at
// once, and after a WM_INPUT_DEVICE_CHANGE (on XP: WM_DEVICECHANGE) the poll
// runs on by itself before it sleeps again. Wine has no game controller, so
// the messages are posted.
#include <windows.h>

#include <dbt.h>
#include <gtest/gtest.h>

#include "apps/win32/poll_schedule.h"
#include "waiting.h"

namespace pultara::win32app {
namespace {

using pultara::win32::testing::WaitFor;

LRESULT CALLBACK ScheduleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* schedule = reinterpret_cast<PollSchedule*>(GetWindowLongPtrW(window, GWLP_USERDATA));
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

TEST(PollWake, RawInputWakesTheSleepingTickAndADeviceChangePollsAWhile) {
    HWND window = CreateScheduleWindow();
    ASSERT_NE(window, nullptr);
    int ticks = 0;
    PollSchedule schedule(window, {[&ticks] { ++ticks; }, [] { return true; }});
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&schedule));
    schedule.Start(10);

    // At rest after the first tick: the timer stops.
    ASSERT_TRUE(WaitFor([&] { return ticks >= 1 && schedule.Asleep(); }))
        << "the poll never went to sleep (is Raw Input registered?)";

    // Joystick input runs a tick at once and the timer sleeps again.
    int before = ticks;
    PostMessageW(window, WM_INPUT, RIM_INPUTSINK, 0);
    EXPECT_TRUE(WaitFor([&] { return ticks > before; })) << "WM_INPUT ran no tick";
    EXPECT_TRUE(WaitFor([&] { return schedule.Asleep(); }));

    // A controller came: the poll keeps ticking without any further input,
    // then sleeps again.
    before = ticks;
    // Sent, as the system sends it: WM_DEVICECHANGE of an arrival carries a
    // pointer and cannot be posted.
    const UINT deviceChange = win32::RawInputWake::DeviceChangeMessage();
    constexpr WPARAM kRawInputArrival = 1;  // GIDC_ARRIVAL
    SendMessageW(window, deviceChange,
                 deviceChange == WM_DEVICECHANGE ? DBT_DEVICEARRIVAL : kRawInputArrival, 0);
    EXPECT_TRUE(WaitFor([&] { return ticks >= before + 20; }))
        << "the poll stopped after " << ticks - before << " ticks of a device change";
    EXPECT_TRUE(WaitFor([&] { return schedule.Asleep(); }));

    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

}  // namespace
}  // namespace pultara::win32app
