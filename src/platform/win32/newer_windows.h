#pragma once
#include <cstdint>

// Everything pultara.exe uses that Windows XP SP3 lacks, looked up at run
// time in this one place. Each function names the XP path it falls back to.
// The program is built for XP (_WIN32_WINNT 0x0501), so a newer function can
// only be reached through here; the import check of the test command
// (tests/win32/xp_imports) fails on anything else.
namespace pultara::win32 {

// Windows Vista (6.0) or later, as the kernel reports it. Below Vista every
// lookup here answers "absent", also where a compatibility layer (Wine set to
// XP, a compatibility mode) would still find the newer function, so that the
// program takes the same paths as on a real XP.
bool VistaOrLater();

// The address of `name` in the system DLL `dll` (already loaded, or loaded
// now), or null below Vista or where the system lacks it.
void* NewerFunction(const wchar_t* dll, const char* name);

template <typename Function>
Function NewerFunctionAs(const wchar_t* dll, const char* name) {
    return reinterpret_cast<Function>(NewerFunction(dll, name));
}

// Milliseconds since the system started, never wrapping: GetTickCount64
// (Vista), else GetTickCount widened by counting its wraps every 49.7 days.
std::uint64_t TickCount64();

// One step of the widening: the 64-bit count after `previous` when
// GetTickCount now reads `now`. A count read at least once per wrap period is
// exact; one read less often stays monotonic.
std::uint64_t WidenTickCount(std::uint64_t previous, std::uint32_t now);

// A waitable timer that keeps a 10 ms period without raising the system's
// clock rate (Windows 10 1803 and later), or null: then the caller uses a
// plain waitable timer with timeBeginPeriod(1), as on XP.
void* CreateHighResolutionTimer();

// Raw Input sends WM_INPUT_DEVICE_CHANGE when asked to (Vista); on XP a
// window hears of game controllers coming and going through WM_DEVICECHANGE.
bool RawInputDeviceNotices();
constexpr unsigned kWmInputDeviceChange = 0x00FE;            // WM_INPUT_DEVICE_CHANGE
constexpr unsigned long kRawInputDeviceNotify = 0x00002000;  // RIDEV_DEVNOTIFY

}  // namespace pultara::win32
