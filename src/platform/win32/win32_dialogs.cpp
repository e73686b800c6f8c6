#include "platform/win32/win32_dialogs.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace pultara::win32 {

namespace {

// The window of this thread the user sees on top: the first shown, enabled
// window with a title bar in the desktop's stacking order (a modal dialog
// before the main window it disables). Null while every window is hidden.
BOOL CALLBACK TakeFirstShownWindow(HWND window, LPARAM result) {
    const bool ours = GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (ours && IsWindowVisible(window) && IsWindowEnabled(window) && !IsIconic(window) &&
        (style & WS_CAPTION) == WS_CAPTION) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleOwner() {
    HWND found = nullptr;
    EnumWindows(TakeFirstShownWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

// A box is owned by the window the user sees, so it comes up in front of
// it and the window waits for it; with every window hidden it has none.
void Win32Dialogs::ShowMessage(const std::string& text, const std::string& caption,
                               MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Information ? MB_ICONINFORMATION : 0);
    MessageBoxW(VisibleOwner(), Widen(text).c_str(), Widen(caption).c_str(), style);
}

void Win32Dialogs::ShowApplicationError(const std::string& message) {
    MessageBoxW(VisibleOwner(), Widen(message).c_str(), L"Pultara", MB_OK | MB_ICONERROR);
}

}  // namespace pultara::win32
