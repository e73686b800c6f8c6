#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/form.h"
#include "ui/form_observer.h"

namespace pultara::win32app {

// Fonts and the DPI of one window; rebuilt when the DPI changes.
struct Fonts {
    HFONT normal = nullptr;
    HFONT bold = nullptr;
    HFONT underline = nullptr;
    void Make(int dpi);
    void Free();
};

// One top-level window rendering a form of the model: a real Win32 control
// per model control, created in focus order, kept up to date through the
// observer, and forwarding what the user does to the model.
class FormWindow : public FormObserver {
public:
    // `owner`: the main window for a dialog, null for the main window.
    FormWindow(Form& form, HWND owner);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND Handle() const { return window_; }
    Form& Model() const { return form_; }
    HWND Widget(const std::string& controlName) const;

    // The close box (or Alt+F4): the owner decides what closing means.
    std::function<void()> onClose;

    // Keyboard navigation (Tab, Enter for the default button, Esc).
    bool TranslateDialogMessage(MSG& message);

    void ControlChanged(const Control& control, Property property) override;
    void FormChanged(const Form& form, Property property) override;

    static void RegisterClasses(HINSTANCE instance);

private:
    static LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK PanelProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateWidgets();
    HWND CreateWidget(Control& control, int id);
    HWND ContainerOf(const Control& control) const;
    void AddTooltip(const Control& control, HWND widget);
    void Layout();
    void LayoutHelp();
    void WidenButtons(std::vector<std::pair<HWND, RECT>>& buttons) const;
    void ClipTabsToHeader(HWND tabs, const RECT& page) const;
    void LoadPicture(HWND image, int width, int height);
    void SizeToContents();
    void UpdateScrollBars();
    void ScrollTo(int x, int y);
    void OnScroll(int bar, WORD request);
    void ScrollIntoView(HWND widget);
    // The caption, cut to the control's width where it asks for that.
    void ShowCaption(const Control& control, HWND widget);
    int Scale(int pixels) const;

    void Refresh(const Control& control, Property property);
    void RefreshAll();
    void RefreshItems(const Control& control, HWND widget);
    void RefreshSelection(const Control& control, HWND widget);
    void RefreshText(const Control& control, HWND widget);
    void RefreshPages();
    void StreamText(const Control& control, HWND view);

    void OnCommand(int id, int code, HWND widget);
    void OnNotify(const NMHDR& header);
    LRESULT OnColour(HDC dc, HWND widget, UINT message);
    bool OnSetCursor(HWND widget);
    void OnShowChange(bool visible);
    void OnActivate(bool active);
    void OnSize(WPARAM kind);
    // Puts the focus on the model's focus control, else on the first tab stop.
    void FocusFirstControl();
    Control* ControlOf(HWND widget) const;

    Form& form_;
    HWND owner_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    int dpi_ = 96;
    Fonts fonts_;
    HBRUSH windowBrush_ = nullptr;
    HBRUSH faceBrush_ = nullptr;
    HBRUSH whiteBrush_ = nullptr;
    HBITMAP picture_ = nullptr;
    HWND lastFocus_ = nullptr;  // given back when the window is active again
    bool updating_ = false;     // the window's own changes are no user edits
    int contentWidth_ = 0;      // the controls' extent in pixels at the DPI
    int contentHeight_ = 0;
    int scrollX_ = 0;  // how far the contents are scrolled
    int scrollY_ = 0;
    std::unordered_map<const Control*, HWND> widgets_;
    std::unordered_map<HWND, Control*> controls_;
    std::unordered_map<int, Control*> byId_;
};

// Text between the model (UTF-8) and a window (UTF-16).
std::wstring WindowTextOf(HWND window);

}  // namespace pultara::win32app
