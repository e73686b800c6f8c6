#include "platform/win32/win32_dialogs.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace pultara::win32 {

void Win32Dialogs::ShowMessage(const std::string& text, const std::string& caption,
                               MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Information ? MB_ICONINFORMATION : 0);
    MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), style);
}

void Win32Dialogs::ShowApplicationError(const std::string& message) {
    MessageBoxW(nullptr, Widen(message).c_str(), L"Pultara", MB_OK | MB_ICONERROR);
}

}  // namespace pultara::win32
