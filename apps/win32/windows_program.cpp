#include "apps/win32/windows_program.h"

#include "apps/win32/single_instance.h"

namespace pultara::win32app {

namespace {

constexpr const wchar_t* kApplicationClass = kApplicationWindowClass;

LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* app = reinterpret_cast<WindowsProgram*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (app == nullptr || message == WM_NCCREATE) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return app->HandleApplicationMessage(message, wParam, lParam);
}

TrayEvent TrayEventOf(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
        case WM_LBUTTONDOWN: return TrayEvent::LeftButtonDown;
        case WM_LBUTTONUP: return TrayEvent::LeftButtonUp;
        case WM_LBUTTONDBLCLK: return TrayEvent::LeftDoubleClick;
        case WM_RBUTTONDOWN: return TrayEvent::RightButtonDown;
        case WM_RBUTTONUP: return TrayEvent::RightButtonUp;
        default: return TrayEvent::Other;
    }
}

}  // namespace

HWND CreateApplicationWindow(HINSTANCE instance, void* owner) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = ApplicationProc;
    type.hInstance = instance;
    type.lpszClassName = kApplicationClass;
    RegisterClassExW(&type);
    // Top-level (not message-only), so that "TaskbarCreated" reaches it;
    // never shown.
    return CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                           nullptr, instance, owner);
}

WindowsProgram::WindowsProgram(HINSTANCE instance)
    : appWindow_(CreateApplicationWindow(instance, this)),
      icon_(LoadIconW(instance, MAKEINTRESOURCEW(1))),
      tray_(appWindow_, icon_),
      core_(platform_.Services(), FrontEndPorts{tray_, files_, fileDialog_, *this}),
      program_(core_.program()),
      timers_(appWindow_, program_) {
    program_.UseJoystickSignals(&timers_);
    FormWindow::RegisterClasses(instance);
    mainWindow_ = std::make_unique<FormWindow>(program_.Main(), nullptr);
    HWND main = mainWindow_->Handle();
    helpWindow_ = std::make_unique<FormWindow>(program_.Help(), main);
    infoWindow_ = std::make_unique<FormWindow>(program_.Info(), main);
    renameWindow_ = std::make_unique<FormWindow>(program_.Rename(), main);
    mainWindow_->onClose = [this] { program_.CloseMainWindow(); };
    for (FormWindow* modal : {helpWindow_.get(), infoWindow_.get(), renameWindow_.get()}) {
        modal->onClose = [modal] { modal->Model().SetVisible(false); };
    }
    platform_.processes.SetOwnerWindow(main);
    fileDialog_.SetOwnerWindow(main);
    taskbarCreated_ = tray_.RegisterTaskbarCreatedMessage();
}

WindowsProgram::~WindowsProgram() {
    program_.UseJoystickSignals(nullptr);
    DestroyWindow(appWindow_);
}

int WindowsProgram::Run() {
    program_.Start();
    timers_.Follow();
    while (PumpOne()) {
    }
    return 0;
}

bool WindowsProgram::PumpOne() {
    MSG message;
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        quit_ = true;
        return false;
    }
    for (FormWindow* window :
         {mainWindow_.get(), helpWindow_.get(), infoWindow_.get(), renameWindow_.get()}) {
        if (window->TranslateDialogMessage(message)) {
            return true;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}

void WindowsProgram::ShowModal(Form& form) {
    FormWindow* window = WindowOf(form);
    if (window == nullptr) {
        return;
    }
    HWND main = mainWindow_->Handle();
    EnableWindow(main, FALSE);
    form.SetVisible(true);
    while (form.Visible() && !quit_ && PumpOne()) {
    }
    EnableWindow(main, TRUE);
    if (quit_) {
        PostQuitMessage(0);  // leave the outer loop too
    }
    if (IsWindowVisible(main)) {
        SetForegroundWindow(main);
    }
}

void WindowsProgram::BringToFront(Form& form) {
    if (FormWindow* window = WindowOf(form)) {
        HWND handle = window->Handle();
        if (IsIconic(handle)) {
            ShowWindow(handle, SW_RESTORE);
        }
        BringWindowToTop(handle);
        SetForegroundWindow(handle);
    }
}

void WindowsProgram::Quit() {
    PostQuitMessage(0);
}

FormWindow* WindowsProgram::WindowOf(const Form& form) const {
    for (FormWindow* window :
         {mainWindow_.get(), helpWindow_.get(), infoWindow_.get(), renameWindow_.get()}) {
        if (window != nullptr && &window->Model() == &form) {
            return window;
        }
    }
    return nullptr;
}

LRESULT WindowsProgram::HandleApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (timers_.HandleMessage(message, wParam, lParam, result)) {
        return result;
    }
    if (message == Lifecycle::Icon().callbackMessage) {
        program_.TrayCallback(TrayEventOf(lParam));
        return 0;
    }
    if (message == SingleInstance::ShowSettingsMessage()) {
        program_.ShowSettings();  // the program started again
        return 0;
    }
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        program_.WindowMessage(message);
        return 1;
    }
    if (message == WM_CLOSE) {
        // A request to close the program (taskkill, a task manager) reaches
        // every top-level window, and this one alone while the program is
        // still starting: it closes as the close box does instead of
        // destroying this window, which would take the timers and the tray
        // with it and leave the program running.
        program_.CloseMainWindow();
        return 0;
    }
    if (message == WM_QUERYENDSESSION) {
        return TRUE;
    }
    if (message == WM_ENDSESSION && wParam) {
        // Windows is ending: close as the close box would, so nothing is lost.
        program_.CloseMainWindow();
        return 0;
    }
    return DefWindowProcW(appWindow_, message, wParam, lParam);
}

}  // namespace pultara::win32app
