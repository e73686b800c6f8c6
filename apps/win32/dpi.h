#pragma once
#include <windows.h>

// Sent on Windows 8.1 and later only; the XP build's headers lack it.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace pultara::win32app {

// The DPI of the monitor `window` is on (per-monitor aware since Windows 10
// 1607; the system DPI before).
int WindowDpi(HWND window);

// Grows a client rectangle to the window rectangle at `dpi`.
void AdjustFrameForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);

}  // namespace pultara::win32app
