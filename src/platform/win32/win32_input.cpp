#include "platform/win32/win32_input.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <mmsystem.h>

namespace pultara::win32 {

bool Win32Joystick::Read(JoystickSample& sample) {
    JOYINFOEX info{};
    info.dwSize = sizeof(info);
    info.dwFlags = JOY_RETURNALL;
    if (joyGetPosEx(JOYSTICKID1, &info) != JOYERR_NOERROR) {
        return false;
    }
    sample.xPos = info.dwXpos;
    sample.yPos = info.dwYpos;
    sample.zPos = info.dwZpos;
    sample.buttons = info.dwButtons;
    return true;
}

void Win32Keyboard::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                                 std::uint32_t flags) {
    keybd_event(virtualKey, scanCode, flags & ~kKeyEventAltGrPart, 0);
}

namespace {

// The single ANSI byte of `character`, or -1 when the code page has none.
int AnsiByte(wchar_t character) {
    char bytes[4] = {};
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &character, 1, bytes,
                                           sizeof(bytes), nullptr, &usedDefault);
    if (length != 1 || usedDefault) {
        return -1;
    }
    return static_cast<unsigned char>(bytes[0]);
}

}  // namespace

std::uint16_t Win32Keyboard::KeyCodeForCharacter(char32_t character) {
    if (character > 0xFFFF || (character >= 0xD800 && character <= 0xDFFF)) {
        return kNoKeyCode;
    }
    const auto wide = static_cast<wchar_t>(character);
    const int ansi = AnsiByte(wide);
    const SHORT code = ansi >= 0 ? VkKeyScanA(static_cast<CHAR>(ansi)) : VkKeyScanW(wide);
    return static_cast<std::uint16_t>(code);
}

std::uint32_t Win32Keyboard::ScanCodeForVirtualKey(std::uint8_t virtualKey) {
    return MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
}

void Win32Keyboard::PumpKeyboardMessages() {
    // The program's windows are Unicode windows: the wide pump keeps
    // characters outside the ANSI code page intact.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Mouse::SendButtonEvent(std::uint32_t flags) {
    mouse_event(flags, 0, 0, 0, 0);
}

bool Win32Mouse::GetCursorPos(PointerPosition& position) {
    POINT point{};
    if (!::GetCursorPos(&point)) {
        return false;
    }
    position.x = point.x;
    position.y = point.y;
    return true;
}

void Win32Mouse::SetCursorPos(PointerPosition position) {
    ::SetCursorPos(position.x, position.y);
}

}  // namespace pultara::win32
