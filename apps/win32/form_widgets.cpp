// The Win32 control behind each kind of model control: creation, drawing the
// model's state, and the user's actions back to the model.
#include "apps/win32/form_window.h"

// form_window.h brings windows.h, on which these build.
#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstring>
#include "platform/win32/wide_text.h"

namespace pultara::win32app {

using win32::Narrow;
using win32::Widen;

namespace {

struct WidgetClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

WidgetClass ClassFor(const Control& control) {
    const DWORD child = WS_CHILD | WS_VISIBLE;
    switch (control.Kind()) {
        case ControlKind::Label:
            return {L"STATIC",
                    child | SS_NOTIFY | (control.look.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP) |
                        (control.look.elide ? SS_ENDELLIPSIS : 0),
                    0};
        case ControlKind::Edit:
            return {L"EDIT", child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::DropDownList:
            return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case ControlKind::EditableComboBox:
            return {L"COMBOBOX", child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                    0};
        case ControlKind::CheckBox: return {L"BUTTON", child | WS_TABSTOP | BS_CHECKBOX, 0};
        case ControlKind::ProgressBar: return {PROGRESS_CLASSW, child, 0};
        case ControlKind::Button:
            return {L"BUTTON",
                    child | WS_TABSTOP |
                        (control.look.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                    0};
        case ControlKind::PageControl:
            return {WC_TABCONTROLW, child | WS_TABSTOP | WS_CLIPSIBLINGS, 0};
        case ControlKind::TabPage:
            return {L"PultaraPage", WS_CHILD | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
        case ControlKind::Panel:
            // Clipped by the controls above it, which it frames.
            return {L"PultaraPanel", child | WS_CLIPSIBLINGS,
                    control.look.lowered ? DWORD{WS_EX_STATICEDGE} : DWORD{0}};
        case ControlKind::Image: return {L"STATIC", child | SS_BITMAP | SS_CENTERIMAGE, 0};
        case ControlKind::RichEdit:
            // Lines wrap at the window's width (see CreateWidget).
            return {MSFTEDIT_CLASS,
                    child | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_WANTRETURN |
                        ES_AUTOVSCROLL,
                    WS_EX_CLIENTEDGE};
        default: return {nullptr, 0, 0};  // timers, dialogs: no face
    }
}

// Feeds a string to EM_STREAMIN.
struct StreamSource {
    const char* data;
    std::size_t size;
    std::size_t offset = 0;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const std::size_t count =
        std::min<std::size_t>(static_cast<std::size_t>(wanted), source->size - source->offset);
    std::memcpy(buffer, source->data + source->offset, count);
    source->offset += count;
    *given = static_cast<LONG>(count);
    return 0;
}

// Plain help text is UTF-8 when it is well-formed UTF-8, else in the system's
// ANSI code page (an older editor's file).
std::wstring PlainTextToWide(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const bool utf8 =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0) > 0;
    // Either code page makes at most one UTF-16 unit of each byte.
    std::wstring wide(text.size(), L'\0');
    const int length =
        MultiByteToWideChar(utf8 ? CP_UTF8 : CP_ACP, 0, text.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(std::max(length, 0)));
    return wide;
}

bool IsList(const Control& control) {
    return control.Kind() == ControlKind::DropDownList ||
           control.Kind() == ControlKind::EditableComboBox;
}

}  // namespace

HWND FormWindow::CreateWidget(Control& control, int id) {
    const WidgetClass widget = ClassFor(control);
    if (widget.name == nullptr || !control.HasFace()) {
        return nullptr;
    }
    const std::wstring caption = Widen(control.Caption());
    HWND created =
        CreateWindowExW(widget.exStyle, widget.name, caption.c_str(), widget.style, 0, 0, 10, 10,
                        ContainerOf(control), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (created == nullptr) {
        return nullptr;
    }
    if (control.Kind() == ControlKind::ProgressBar) {
        SendMessageW(created, PBM_SETRANGE32, control.look.minimum, control.look.maximum);
    } else if (control.Kind() == ControlKind::Panel) {
        const HBRUSH inside = control.Colour() == ColourRole::White ? whiteBrush_ : faceBrush_;
        SetWindowLongPtrW(created, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(inside));
    } else if (control.Kind() == ControlKind::RichEdit) {
        SendMessageW(created, EM_EXLIMITTEXT, 0, LPARAM{16} * 1024 * 1024);
        SendMessageW(created, EM_SETTARGETDEVICE, 0, 0);  // wrap at the window's width
    }
    return created;
}

void FormWindow::RefreshAll() {
    for (const auto& [control, widget] : widgets_) {
        for (Property property : kRenderedProperties) {
            Refresh(*control, property);
        }
    }
    RefreshPages();
}

void FormWindow::ControlChanged(const Control& control, Property property) {
    Refresh(control, property);
}

void FormWindow::Refresh(const Control& control, Property property) {
    const auto found = widgets_.find(&control);
    if (found == widgets_.end()) {
        return;
    }
    HWND widget = found->second;
    updating_ = true;
    switch (property) {
        case Property::Caption:
            if (control.Kind() == ControlKind::TabPage) {
                RefreshPages();
            } else if (control.Kind() != ControlKind::Edit && !IsList(control) &&
                       control.Kind() != ControlKind::RichEdit) {
                ShowCaption(control, widget);
            }
            break;
        case Property::Text: RefreshText(control, widget); break;
        case Property::Checked:
            SendMessageW(widget, BM_SETCHECK, control.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case Property::Enabled: EnableWindow(widget, control.Enabled()); break;
        case Property::Visible:
            if (control.Kind() != ControlKind::TabPage) {
                ShowWindow(widget, control.Visible() ? SW_SHOWNA : SW_HIDE);
            }
            break;
        case Property::Colour: InvalidateRect(widget, nullptr, TRUE); break;
        case Property::Items: RefreshItems(control, widget); break;
        case Property::ItemIndex: RefreshSelection(control, widget); break;
        case Property::Position: SendMessageW(widget, PBM_SETPOS, control.Position(), 0); break;
        default: break;
    }
    updating_ = false;
}

void FormWindow::RefreshText(const Control& control, HWND widget) {
    if (control.Kind() == ControlKind::RichEdit) {
        StreamText(control, widget);
    } else if (control.Kind() == ControlKind::Edit ||
               control.Kind() == ControlKind::EditableComboBox) {
        const std::wstring text = Widen(control.Text());
        if (WindowTextOf(widget) != text) {
            SetWindowTextW(widget, text.c_str());
        }
    }
}

void FormWindow::RefreshItems(const Control& control, HWND widget) {
    if (control.Kind() == ControlKind::PageControl) {
        RefreshPages();
        return;
    }
    if (!IsList(control)) {
        return;
    }
    SendMessageW(widget, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : control.Items()) {
        SendMessageW(widget, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    RefreshSelection(control, widget);
}

void FormWindow::RefreshSelection(const Control& control, HWND widget) {
    if (control.Kind() == ControlKind::PageControl) {
        RefreshPages();
        return;
    }
    if (!IsList(control)) {
        return;
    }
    SendMessageW(widget, CB_SETCURSEL, static_cast<WPARAM>(control.ItemIndex()), 0);
    if (control.Kind() == ControlKind::EditableComboBox) {
        // Selecting (or clearing) replaces the edit face; the model's text counts.
        SetWindowTextW(widget, Widen(control.Text()).c_str());
    }
}

// The tab captions are the pages' captions; only the selected page shows.
void FormWindow::RefreshPages() {
    const Control* pages = form_.PageControl();
    if (pages == nullptr || widgets_.count(pages) == 0) {
        return;
    }
    HWND tabs = widgets_.at(pages);
    const auto children = form_.Children(pages->Name());
    for (std::size_t i = 0; i < children.size(); ++i) {
        std::wstring caption = Widen(children[i]->Caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        if (static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) <= static_cast<int>(i)) {
            SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        } else {
            SendMessageW(tabs, TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
    }
    const int selected = pages->ItemIndex();
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (const auto page = widgets_.find(children[i]); page != widgets_.end()) {
            ShowWindow(page->second, static_cast<int>(i) == selected ? SW_SHOWNA : SW_HIDE);
        }
    }
}

// Rich text streams in as RTF; plain text (and the fallback) as UTF-16.
void FormWindow::StreamText(const Control& control, HWND view) {
    const std::string text = control.Text();
    // The font of plain text; rich text brings its own. Set while the view is
    // about to be refilled, as it applies to all of the view's text.
    SendMessageW(view, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.normal), FALSE);
    if (form_.ShowsRichText(control)) {
        StreamSource source{text.data(), text.size()};
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadStream};
        SendMessageW(view, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
        return;
    }
    const std::wstring wide = PlainTextToWide(text);
    std::wstring lines;
    for (wchar_t c : wide) {  // the view breaks lines at CR
        if (c == L'\n' && (lines.empty() || lines.back() != L'\r')) {
            lines.push_back(L'\r');
        }
        lines.push_back(c);
    }
    StreamSource source{reinterpret_cast<const char*>(lines.data()),
                        lines.size() * sizeof(wchar_t)};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, ReadStream};
    SendMessageW(view, EM_STREAMIN, SF_TEXT | SF_UNICODE, reinterpret_cast<LPARAM>(&stream));
}

void FormWindow::FormChanged(const Form& /*form*/, Property property) {
    switch (property) {
        case Property::Caption: SetWindowTextW(window_, Widen(form_.Caption()).c_str()); break;
        case Property::Visible: OnShowChange(form_.Visible()); break;
        case Property::Minimised:
            if (IsWindowVisible(window_)) {
                ShowWindow(window_, form_.Minimised() ? SW_MINIMIZE : SW_RESTORE);
            }
            break;
        default: break;
    }
}

void FormWindow::OnShowChange(bool visible) {
    if (!visible) {
        // As a dialog ends: the owner is enabled before the dialog hides, so
        // that the owner becomes the active window and not the desktop.
        if (owner_ != nullptr && IsWindowVisible(window_)) {
            EnableWindow(owner_, TRUE);
        }
        ShowWindow(window_, SW_HIDE);
        return;
    }
    if (owner_ != nullptr) {
        lastFocus_ = nullptr;  // a dialog opens on its active control
    }
    const int show = form_.Minimised()      ? SW_SHOWMINNOACTIVE
                     : form_.startMaximised ? SW_SHOWMAXIMIZED
                                            : SW_SHOW;
    ShowWindow(window_, show);
    if (!form_.Minimised()) {
        SetForegroundWindow(window_);
        const HWND focus = GetFocus();
        if (focus == nullptr || !IsChild(window_, focus)) {
            OnActivate(true);
        }
    }
}

// The control that had the focus gets it back when the window is active
// again; the first time, the form's active control gets it.
void FormWindow::OnActivate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) {
            lastFocus_ = focus;
        }
        return;
    }
    if (IsIconic(window_)) {
        return;
    }
    if (lastFocus_ != nullptr && IsChild(window_, lastFocus_) && IsWindowVisible(lastFocus_) &&
        IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
    } else {
        FocusFirstControl();
    }
}

void FormWindow::FocusFirstControl() {
    const Control* control = form_.FocusControl();
    HWND target = control != nullptr ? Widget(control->Name()) : nullptr;
    if (target == nullptr || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
        target = GetNextDlgTabItem(window_, nullptr, FALSE);
    }
    if (target != nullptr) {
        SetFocus(target);
    }
}

void FormWindow::OnCommand(int id, int code, HWND widget) {
    const auto found = byId_.find(id);
    if (found == byId_.end() || updating_) {
        return;
    }
    Control& control = *found->second;
    switch (control.Kind()) {
        case ControlKind::Edit:
            if (code == EN_CHANGE) {
                control.SetText(Narrow(WindowTextOf(widget)));
            }
            break;
        case ControlKind::DropDownList:
        case ControlKind::EditableComboBox:
            if (code == CBN_SELCHANGE) {
                control.SetItemIndex(static_cast<int>(SendMessageW(widget, CB_GETCURSEL, 0, 0)));
            } else if (code == CBN_EDITCHANGE) {
                control.SetText(Narrow(WindowTextOf(widget)));
            } else if (code == CBN_SETFOCUS) {
                control.Enter();
            }
            break;
        case ControlKind::CheckBox:
        case ControlKind::Button:
        case ControlKind::Label:
            // BN_CLICKED of a button and STN_CLICKED of a label.
            static_assert(BN_CLICKED == STN_CLICKED);
            if (code == BN_CLICKED) {
                control.Click();
            }
            break;
        default: break;
    }
}

void FormWindow::OnNotify(const NMHDR& header) {
    if (header.code != TCN_SELCHANGE) {
        return;
    }
    if (Control* pages = ControlOf(header.hwndFrom)) {
        pages->SetItemIndex(static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
    }
}

LRESULT FormWindow::OnColour(HDC dc, HWND widget, UINT message) {
    const Control* control = ControlOf(widget);
    const LRESULT standard = DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(widget));
    if (control == nullptr) {
        return standard;
    }
    switch (control->Colour()) {
        case ColourRole::Navy:
            SetTextColor(dc, RGB(0, 0, 128));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(faceBrush_);
        case ColourRole::Grey:
            SetTextColor(dc, RGB(128, 128, 128));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(faceBrush_);
        case ColourRole::Window:
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(windowBrush_);
        case ColourRole::ButtonFace:
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(faceBrush_);
        case ColourRole::White:
            SetBkColor(dc, RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(whiteBrush_);
        default: return standard;
    }
}

bool FormWindow::OnSetCursor(HWND widget) {
    const Control* control = ControlOf(widget);
    if (control == nullptr || !control->look.handCursor) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

}  // namespace pultara::win32app
