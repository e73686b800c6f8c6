#include "apps/win32/form_window.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

#include "apps/win32/dpi.h"
#include "apps/win32/layout.h"
#include "platform/win32/wide_text.h"

namespace pultara::win32app {

using win32::Narrow;
using win32::Widen;

namespace {

constexpr wchar_t kFormClass[] = L"PultaraForm";
constexpr wchar_t kPageClass[] = L"PultaraPage";
constexpr wchar_t kPanelClass[] = L"PultaraPanel";
// The drop-down height of a list that names none (the classic default).
constexpr int kDefaultDropDownRows = 8;
constexpr int kFirstId = 1000;

}  // namespace

void Fonts::Make(int dpi) {
    Free();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW font = metrics.lfMessageFont;
    font.lfHeight = -MulDiv(9, dpi, 72);
    normal = CreateFontIndirectW(&font);
    font.lfWeight = FW_BOLD;
    bold = CreateFontIndirectW(&font);
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = TRUE;
    underline = CreateFontIndirectW(&font);
}

void Fonts::Free() {
    for (HFONT* font : {&normal, &bold, &underline}) {
        if (*font != nullptr) {
            DeleteObject(*font);
            *font = nullptr;
        }
    }
}

std::wstring WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void FormWindow::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = FormProc;
    form.hInstance = instance;
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);
    WNDCLASSEXW page = form;
    page.lpfnWndProc = PageProc;
    page.hIcon = nullptr;
    page.lpszClassName = kPageClass;
    RegisterClassExW(&page);
    WNDCLASSEXW panel = page;
    panel.lpfnWndProc = PanelProc;
    panel.hCursor = nullptr;  // the parent's cursor shows through
    panel.lpszClassName = kPanelClass;
    RegisterClassExW(&panel);
}

FormWindow::FormWindow(Form& form, HWND owner) : form_(form), owner_(owner) {
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (!form.autoSize) {
        style |= WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    }
    window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kFormClass, Widen(form.Caption()).c_str(), style,
                              CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, owner, nullptr,
                              GetModuleHandleW(nullptr), this);
    dpi_ = WindowDpi(window_);
    fonts_.Make(dpi_);
    windowBrush_ = GetSysColorBrush(COLOR_WINDOW);
    faceBrush_ = GetSysColorBrush(COLOR_BTNFACE);
    whiteBrush_ = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0,
                               0, 0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(360));
    CreateWidgets();
    RefreshAll();
    Layout();
    SizeToContents();
    form_.AddObserver(this);
}

FormWindow::~FormWindow() {
    form_.RemoveObserver(this);
    DestroyWindow(window_);
    fonts_.Free();
    if (picture_ != nullptr) {
        DeleteObject(picture_);
    }
}

HWND FormWindow::Widget(const std::string& controlName) const {
    const Control* control = form_.Find(controlName);
    const auto found = control != nullptr ? widgets_.find(control) : widgets_.end();
    return found != widgets_.end() ? found->second : nullptr;
}

int FormWindow::Scale(int pixels) const {
    return MulDiv(pixels, dpi_, 96);
}

void FormWindow::CreateWidgets() {
    int id = kFirstId;
    for (const auto& control : form_.Controls()) {
        if (HWND widget = CreateWidget(*control, id)) {
            widgets_[control.get()] = widget;
            controls_[widget] = control.get();
            byId_[id] = control.get();
            AddTooltip(*control, widget);
        }
        ++id;
    }
    // Panels lie under the controls they frame, the outer under the inner.
    const auto& controls = form_.Controls();
    for (auto control = controls.rbegin(); control != controls.rend(); ++control) {
        if ((*control)->Kind() == ControlKind::Panel && widgets_.count(control->get()) != 0) {
            SetWindowPos(widgets_.at(control->get()), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

HWND FormWindow::ContainerOf(const Control& control) const {
    const Control* parent = form_.Find(control.Where().parent);
    if (parent != nullptr && parent->Kind() == ControlKind::TabPage) {
        return widgets_.at(parent);
    }
    return window_;
}

void FormWindow::AddTooltip(const Control& control, HWND widget) {
    if (control.look.hint.empty()) {
        return;
    }
    const std::wstring hint = Widen(control.look.hint);
    auto add = [&](HWND target) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = GetParent(target);
        tool.uId = reinterpret_cast<UINT_PTR>(target);
        tool.lpszText = const_cast<wchar_t*>(hint.c_str());
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    };
    add(widget);
    if (control.Kind() == ControlKind::EditableComboBox) {
        // The edit part is the combo box's child window; GetComboBoxInfo
        // would name it too, but is documented for Vista only.
        if (HWND edit = FindWindowExW(widget, nullptr, L"Edit", nullptr); edit != nullptr) {
            add(edit);  // the mouse rests on the edit part
        }
    }
}

void FormWindow::Layout() {
    if (form_.layout == FormLayout::Stretch) {
        LayoutHelp();
        return;
    }
    ScrollTo(0, 0);  // the boxes are the unscrolled places
    const Control* pages = form_.PageControl();
    const Box pagesBox = pages != nullptr ? PlaceControl(form_, *pages) : Box{};
    RECT pageArea{};
    std::vector<std::pair<HWND, RECT>> buttons;
    for (const auto& [control, widget] : widgets_) {
        Box box = PlaceControl(form_, *control);
        if (control->Kind() == ControlKind::TabPage) {
            box.x += pagesBox.x + 4;
            box.y += pagesBox.y;
            pageArea = {Scale(box.x - pagesBox.x), Scale(box.y - pagesBox.y),
                        Scale(box.x - pagesBox.x + box.width),
                        Scale(box.y - pagesBox.y + box.height)};
        }
        const HFONT font = control->look.bold        ? fonts_.bold
                           : control->look.underline ? fonts_.underline
                                                     : fonts_.normal;
        SendMessageW(widget, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        RECT rect{Scale(box.x), Scale(box.y), Scale(box.x + box.width), Scale(box.y + box.height)};
        if (control->Kind() == ControlKind::DropDownList ||
            control->Kind() == ControlKind::EditableComboBox) {
            // The height given to a combo box is its own plus its dropped list's.
            const int rows =
                control->look.dropDownRows > 0 ? control->look.dropDownRows : kDefaultDropDownRows;
            const int row = static_cast<int>(SendMessageW(widget, CB_GETITEMHEIGHT, 0, 0));
            rect.bottom += rows * std::max(row, Scale(16)) + Scale(4);
            SendMessageW(widget, CB_SETMINVISIBLE, rows, 0);
        } else if (control->Kind() == ControlKind::Button) {
            buttons.emplace_back(widget, rect);
            continue;
        } else if (control->Kind() == ControlKind::Image) {
            LoadPicture(widget, rect.right - rect.left, rect.bottom - rect.top);
        }
        MoveWindow(widget, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   FALSE);
    }
    WidenButtons(buttons);
    for (const auto& [button, rect] : buttons) {
        MoveWindow(button, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   FALSE);
    }
    if (pages != nullptr && widgets_.count(pages) != 0) {
        ClipTabsToHeader(widgets_.at(pages), pageArea);
    }
    for (const auto& [control, widget] : widgets_) {
        if (control->look.elide) {
            ShowCaption(*control, widget);  // cut to the width it has now
        }
    }
    InvalidateRect(window_, nullptr, TRUE);
}

// A button is at least as wide as its caption plus a margin; the buttons
// right of a widened one in its row move along.
void FormWindow::WidenButtons(std::vector<std::pair<HWND, RECT>>& buttons) const {
    std::sort(buttons.begin(), buttons.end(), [](const auto& a, const auto& b) {
        const HWND parentA = GetParent(a.first);
        const HWND parentB = GetParent(b.first);
        if (parentA != parentB) {
            return parentA < parentB;
        }
        return a.second.top != b.second.top ? a.second.top < b.second.top
                                            : a.second.left < b.second.left;
    });
    HDC dc = GetDC(window_);
    HWND rowParent = nullptr;
    LONG rowTop = 0;
    LONG shift = 0;
    for (auto& [button, rect] : buttons) {
        if (GetParent(button) != rowParent || rect.top != rowTop) {
            rowParent = GetParent(button);
            rowTop = rect.top;
            shift = 0;
        }
        OffsetRect(&rect, shift, 0);
        const HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(button, WM_GETFONT, 0, 0)));
        const std::wstring caption = WindowTextOf(button);
        SIZE text{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
        SelectObject(dc, previous);
        const LONG needed = text.cx + Scale(24);
        if (rect.right - rect.left < needed) {
            shift += needed - (rect.right - rect.left);
            rect.right = rect.left + needed;
        }
    }
    ReleaseDC(window_, dc);
}

// The pages are siblings after the tab control (so the tab order runs from
// the tabs into the page); the tab control leaves the page's area to them.
void FormWindow::ClipTabsToHeader(HWND tabs, const RECT& page) const {
    RECT whole{};
    GetWindowRect(tabs, &whole);
    HRGN region = CreateRectRgn(0, 0, whole.right - whole.left, whole.bottom - whole.top);
    HRGN inside = CreateRectRgn(page.left, page.top, page.right, page.bottom);
    CombineRgn(region, region, inside, RGN_DIFF);
    DeleteObject(inside);
    SetWindowRgn(tabs, region, TRUE);  // the window owns the region now
}

// The picture is stretched to its box.
void FormWindow::LoadPicture(HWND image, int width, int height) {
    const HANDLE picture = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(2), IMAGE_BITMAP,
                                      width, height, LR_DEFAULTCOLOR);
    SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    if (picture_ != nullptr) {
        DeleteObject(picture_);
    }
    picture_ = static_cast<HBITMAP>(picture);
}

void FormWindow::LayoutHelp() {
    RECT client;
    GetClientRect(window_, &client);
    const int bar = Scale(40);
    for (const auto& [control, widget] : widgets_) {
        if (control->Kind() == ControlKind::RichEdit) {
            // No font message here: it would replace the rich text's own fonts.
            MoveWindow(widget, 0, 0, client.right, std::max<LONG>(client.bottom - bar, 0), TRUE);
        } else {
            MoveWindow(widget, Scale(8), client.bottom - bar + Scale(8), Scale(90), Scale(26),
                       TRUE);
            SendMessageW(widget, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.normal), TRUE);
        }
    }
}

bool FormWindow::TranslateDialogMessage(MSG& message) {
    if (!IsWindowVisible(window_)) {
        return false;
    }
    // The help text takes Enter as a new line once it has the focus.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        wchar_t className[32] = {};
        GetClassNameW(message.hwnd, className, 32);
        if (_wcsicmp(className, MSFTEDIT_CLASS) == 0) {
            return false;
        }
    }
    const bool tab = message.message == WM_KEYDOWN && message.wParam == VK_TAB;
    if (IsDialogMessageW(window_, &message) == FALSE) {
        return false;
    }
    if (tab) {
        ScrollIntoView(GetFocus());
    }
    return true;
}

Control* FormWindow::ControlOf(HWND widget) const {
    for (HWND w = widget; w != nullptr && w != window_; w = GetParent(w)) {
        if (const auto found = controls_.find(w); found != controls_.end()) {
            return found->second;
        }
    }
    return nullptr;
}

LRESULT CALLBACK FormWindow::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        reinterpret_cast<FormWindow*>(create->lpCreateParams)->window_ = window;
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

// Pages pass what their controls report on to the form window.
LRESULT CALLBACK FormWindow::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_SETCURSOR:
            return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// A panel fills its inside with the brush its form gave it.
LRESULT CALLBACK FormWindow::PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT inside;
            GetClientRect(window, &inside);
            FillRect(reinterpret_cast<HDC>(wParam), &inside,
                     reinterpret_cast<HBRUSH>(GetWindowLongPtrW(window, GWLP_USERDATA)));
            return 1;
        }
        case WM_NCHITTEST: return HTTRANSPARENT;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

void FormWindow::OnSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) {
        form_.SetMinimised(true);
    } else if (kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED) {
        form_.SetMinimised(false);
        if (!form_.autoSize) {
            LayoutHelp();
        }
    }
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Escape in a dialog: the form says what it does.
            if (LOWORD(wParam) == IDCANCEL && lParam == 0 && owner_ != nullptr) {
                form_.RunEntry([&] { form_.PressEscape(); });
                return 0;
            }
            form_.RunEntry(
                [&] { OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); });
            return 0;
        case WM_NOTIFY:
            form_.RunEntry([&] { OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); });
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return OnColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam))) {
                return TRUE;
            }
            break;
        case DM_GETDEFID:
            if (const Control* button = form_.DefaultButton()) {
                if (const auto found = widgets_.find(button); found != widgets_.end()) {
                    return MAKELRESULT(GetDlgCtrlID(found->second), DC_HASDEFID);
                }
            }
            break;
        case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
        case WM_CLOSE:
            if (onClose) {
                form_.RunEntry(onClose);
            }
            return 0;
        case WM_SIZE: form_.RunEntry([&] { OnSize(wParam); }); return 0;
        case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
        case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
        case WM_MOUSEWHEEL:
            if ((GetWindowLongW(window_, GWL_STYLE) & WS_VSCROLL) != 0) {
                ScrollTo(scrollX_,
                         scrollY_ - GET_WHEEL_DELTA_WPARAM(wParam) * Scale(60) / WHEEL_DELTA);
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            fonts_.Make(dpi_);
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            Layout();
            return 0;
        }
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace pultara::win32app
