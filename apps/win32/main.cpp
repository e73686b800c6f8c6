// pultara.exe: a joystick as a remote control for the desktop.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "apps/win32/single_instance.h"
#include "apps/win32/windows_program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    // One copy per session: a later start shows the running copy's window.
    const pultara::win32app::SingleInstance oneCopy;
    if (!oneCopy.First()) {
        return pultara::win32app::SingleInstance::AskFirstCopyToShow() ? 0 : 1;
    }
    // The shell, the file dialog and the endpoint mixer want a
    // single-threaded apartment.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    LoadLibraryW(L"Msftedit.dll");  // the help window's RichEdit view
    int result = 0;
    {
        pultara::win32app::WindowsProgram program(instance);
        result = program.Run();
    }
    OleUninitialize();
    return result;
}
