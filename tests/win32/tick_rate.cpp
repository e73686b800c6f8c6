// Measures how often the poll tick really runs on the user-interface thread:
// the precise timer against a plain 10 ms window timer. Prints the figures;
// it judges nothing.
#include <windows.h>

#include <cstdio>

#include "platform/win32/precise_timer.h"

namespace {

constexpr UINT kTick = WM_APP + 1;
constexpr UINT_PTR kWindowTimer = 1;
constexpr DWORD kRunMs = 3000;
constexpr std::uint32_t kIntervalMs = 10;

struct Counter {
    pultara::win32::PreciseTimer* precise = nullptr;
    int preciseTicks = 0;
    int windowTimerTicks = 0;
};

LRESULT CALLBACK CountProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* counter = reinterpret_cast<Counter*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (counter != nullptr && message == kTick) {
        counter->precise->Acknowledge();
        ++counter->preciseTicks;
        return 0;
    }
    if (counter != nullptr && message == WM_TIMER) {
        ++counter->windowTimerTicks;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

double Pump(DWORD milliseconds) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    const ULONGLONG end = GetTickCount64() + milliseconds;
    MSG message;
    while (GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

void Report(const char* what, int ticks, double seconds) {
    std::printf("%-28s %5d ticks in %.2f s = %6.1f per second (mean interval %.2f ms)\n", what,
                ticks, seconds, ticks / seconds, ticks > 0 ? 1000.0 * seconds / ticks : 0.0);
}

}  // namespace

int main() {
    WNDCLASSW type{};
    type.lpfnWndProc = CountProc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"PultaraTickRate";
    RegisterClassW(&type);
    HWND window = CreateWindowW(type.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                type.hInstance, nullptr);
    Counter counter;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&counter));
    std::printf("configured interval: %u ms (%.0f per second)\n", kIntervalMs,
                1000.0 / kIntervalMs);
    {
        pultara::win32::PreciseTimer precise(window, kTick);
        counter.precise = &precise;
        precise.SetInterval(kIntervalMs);
        const double seconds = Pump(kRunMs);
        precise.SetInterval(0);
        Report(precise.HighResolution() ? "precise timer (high-res)" : "precise timer",
               counter.preciseTicks, seconds);
    }
    SetTimer(window, kWindowTimer, kIntervalMs, nullptr);
    const double seconds = Pump(kRunMs);
    KillTimer(window, kWindowTimer);
    Report("SetTimer(10 ms)", counter.windowTimerTicks, seconds);
    DestroyWindow(window);
    return counter.preciseTicks > 0 ? 0 : 1;
}
