// How a form window keeps every control in reach: a name longer than its
// field is cut with "…" and shown whole as a tooltip, and a window larger
// than the work area (a small screen, a high DPI) is as large as the work
// area allows and scrolls.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "apps/win32/dpi.h"
#include "apps/win32/form_window.h"
#include "apps/win32/layout.h"
#include "platform/win32/wide_text.h"

namespace pultara::win32app {

using win32::Widen;

namespace {

constexpr wchar_t kEllipsis[] = L"\u2026";

// The width of `text` in the widget's font.
int TextWidth(HWND widget, const std::wstring& text) {
    HDC dc = GetDC(widget);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(widget, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(widget, dc);
    return size.cx;
}

// The longest start of `text` that fits `room` pixels with "…" after it.
std::wstring Elided(HWND widget, const std::wstring& text, int room) {
    if (TextWidth(widget, text) <= room) {
        return text;
    }
    std::wstring start = text;
    while (!start.empty() && TextWidth(widget, start + kEllipsis) > room) {
        start.pop_back();
    }
    return start + kEllipsis;
}

}  // namespace

// A check box shows the part of its name that fits beside the box; a label
// cuts its own text (SS_ENDELLIPSIS). Either way a cut name is a tooltip.
void FormWindow::ShowCaption(const Control& control, HWND widget) {
    const std::wstring full = Widen(control.Caption());
    if (!control.look.elide) {
        SetWindowTextW(widget, full.c_str());
        return;
    }
    RECT box{};
    GetClientRect(widget, &box);
    bool cut = false;
    if (control.Kind() == ControlKind::CheckBox) {
        const int room = box.right - GetSystemMetrics(SM_CXMENUCHECK) - Scale(6);
        const std::wstring shown = Elided(widget, full, room);
        cut = shown != full;
        SetWindowTextW(widget, shown.c_str());
    } else {
        SetWindowTextW(widget, full.c_str());
        cut = TextWidth(widget, full) > box.right;
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(widget);
    tool.uId = reinterpret_cast<UINT_PTR>(widget);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (cut) {
        tool.lpszText = const_cast<wchar_t*>(full.c_str());
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// The form's size at its DPI where the work area has room for it; else the
// work area's, with scroll bars for the rest (a resizable form is only made
// smaller). Centred in the work area.
void FormWindow::SizeToContents() {
    const Box size = FormClientSize(form_);
    contentWidth_ = Scale(size.width);
    contentHeight_ = Scale(size.height);
    DWORD style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE));
    style &= ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL);
    RECT frame{0, 0, contentWidth_, contentHeight_};
    AdjustFrameForDpi(frame, style, exStyle, dpi_);
    const int frameWidth = (frame.right - frame.left) - contentWidth_;
    const int frameHeight = (frame.bottom - frame.top) - contentHeight_;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int roomWidth = (work.right - work.left) - frameWidth;
    const int roomHeight = (work.bottom - work.top) - frameHeight;
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    int width = contentWidth_;
    int height = contentHeight_;
    bool across = width > roomWidth;
    bool down = false;
    if (across) {
        width = roomWidth;
        height += barHeight;
    }
    if (height > roomHeight) {
        down = true;
        height = roomHeight;
        width += barWidth;
        if (width > roomWidth) {
            width = roomWidth;
            across = true;
        }
    }
    // A resizable form (help) lays out its own controls at any size.
    if (!form_.autoSize) {
        width = std::min(contentWidth_, roomWidth);
        height = std::min(contentHeight_, roomHeight);
        across = down = false;
    }
    if (across) {
        style |= WS_HSCROLL;
    }
    if (down) {
        style |= WS_VSCROLL;
    }
    SetWindowLongW(window_, GWL_STYLE, static_cast<LONG>(style));
    width += frameWidth;
    height += frameHeight;
    // Centred on the screen, like the classic main window.
    const int x = work.left + std::max<int>((work.right - work.left - width) / 2, 0);
    const int y = work.top + std::max<int>((work.bottom - work.top - height) / 2, 0);
    SetWindowPos(window_, nullptr, x, y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    UpdateScrollBars();
}

void FormWindow::UpdateScrollBars() {
    RECT client{};
    GetClientRect(window_, &client);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if ((style & WS_HSCROLL) != 0) {
        info.nMax = contentWidth_ - 1;
        info.nPage = static_cast<UINT>(client.right);
        info.nPos = scrollX_;
        SetScrollInfo(window_, SB_HORZ, &info, TRUE);
    }
    if ((style & WS_VSCROLL) != 0) {
        info.nMax = contentHeight_ - 1;
        info.nPage = static_cast<UINT>(client.bottom);
        info.nPos = scrollY_;
        SetScrollInfo(window_, SB_VERT, &info, TRUE);
    }
}

// Moves the contents so that (x, y) of them is at the client's top left.
void FormWindow::ScrollTo(int x, int y) {
    RECT client{};
    GetClientRect(window_, &client);
    x = std::clamp(x, 0, std::max(0, contentWidth_ - static_cast<int>(client.right)));
    y = std::clamp(y, 0, std::max(0, contentHeight_ - static_cast<int>(client.bottom)));
    if (x == scrollX_ && y == scrollY_) {
        return;
    }
    ScrollWindowEx(window_, scrollX_ - x, scrollY_ - y, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    scrollX_ = x;
    scrollY_ = y;
    UpdateScrollBars();
}

void FormWindow::OnScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window_, bar, &info);
    const int line = Scale(20);
    int position = info.nPos;
    switch (request) {
        case SB_LINEUP: position -= line; break;
        case SB_LINEDOWN: position += line; break;
        case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = 0; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: return;
    }
    if (bar == SB_HORZ) {
        ScrollTo(position, scrollY_);
    } else {
        ScrollTo(scrollX_, position);
    }
}

// The control that took the keyboard focus scrolls into view.
void FormWindow::ScrollIntoView(HWND widget) {
    if (widget == nullptr || !IsChild(window_, widget) ||
        (GetWindowLongW(window_, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) == 0) {
        return;
    }
    RECT box{};
    GetWindowRect(widget, &box);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&box), 2);
    RECT client{};
    GetClientRect(window_, &client);
    int x = scrollX_;
    int y = scrollY_;
    if (box.right > client.right) {
        x += box.right - client.right;
    }
    if (box.left < 0) {
        x += box.left;
    }
    if (box.bottom > client.bottom) {
        y += box.bottom - client.bottom;
    }
    if (box.top < 0) {
        y += box.top;
    }
    ScrollTo(x, y);
}

}  // namespace pultara::win32app
