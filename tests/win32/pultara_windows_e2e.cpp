// Opens each window of the real pultara.exe as a user would, at 96 and at
// 144 DPI, and checks from outside what the user sees: the dropped title
// list, the help text's formatting and wrapping, the about window's panel,
// which control holds the focus, the tab order and which window is active
// after a dialog closes. Each window is photographed: this program writes
// "NAME.request" and the helper script answers with "NAME.png" and
// "NAME.done".
//   pultara_windows_e2e <path of pultara.exe>
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "program_under_test.h"

namespace {

using namespace pultara::win32::testing;

// Asks the helper script for a screenshot of the display and waits for it.
void Photograph(const std::string& name) {
    const std::wstring base(name.begin(), name.end());
    WriteWholeFile(base + L".request", "");
    const std::wstring done = base + L".done";
    EXPECT_TRUE(WaitFor([&] { return FileExists(done); }, 30000)) << "no screenshot " << name;
    DeleteFileW(done.c_str());
}

// A window of the process's thread that holds the keyboard focus.
HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Whether `frame` is a panel or tab control that `inner` sits on.
bool Holds(HWND frame, const RECT& outer, const RECT& inner) {
    const std::wstring kind = ClassOf(frame);
    const bool container =
        kind == L"PultaraPanel" || kind == L"PultaraPage" || kind == WC_TABCONTROLW;
    return container && inner.left >= outer.left && inner.top >= outer.top &&
           inner.right <= outer.right && inner.bottom <= outer.bottom;
}

// Each shown control of a window has a size and lies clear of the other
// shown controls beside it, unless it sits on a panel or tab control, so the
// user can read and reach it.
void ExpectControlsApart(HWND window) {
    std::vector<std::pair<HWND, RECT>> shown;
    for (HWND child : Descendants(window)) {
        RECT box{};
        if (IsWindowVisible(child) && GetWindowRect(child, &box)) {
            EXPECT_TRUE(box.right > box.left && box.bottom > box.top)
                << ClassOf(child) << " \"" << TextOf(child) << "\" has no size";
            shown.emplace_back(child, box);
        }
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const auto& [a, boxA] = shown[i];
            const auto& [b, boxB] = shown[j];
            RECT overlap{};
            if (GetParent(a) == GetParent(b) && !Holds(a, boxA, boxB) && !Holds(b, boxB, boxA)) {
                EXPECT_FALSE(IntersectRect(&overlap, &boxA, &boxB))
                    << ClassOf(a) << " \"" << TextOf(a) << "\" covers " << ClassOf(b) << " \""
                    << TextOf(b) << "\"";
            }
        }
    }
}

// A real click of the left mouse button at a point on the screen. Each
// event carries the point itself, so the press cannot land where the
// pointer was before.
void ClickAt(POINT point) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT click[2] = {};
    for (INPUT& input : click) {
        input.type = INPUT_MOUSE;
        // Absolute positions run from 0 to 65535 over the primary screen;
        // rounded up, so that the pixel is the one asked for.
        input.mi.dx = static_cast<LONG>((point.x * 65536 + width - 1) / width);
        input.mi.dy = static_cast<LONG>((point.y * 65536 + height - 1) / height);
    }
    click[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    SendInput(2, click, sizeof(INPUT));
}

// The character format at one position of a rich-text view in another
// process (the structure lives in that process's memory).
CHARFORMAT2W FormatAt(HANDLE process, HWND view, int position) {
    SendMessageW(view, EM_SETSEL, position, position + 1);
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_BOLD | CFM_SIZE;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(format), MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process, remote, &format, sizeof(format), nullptr);
    SendMessageW(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &format, sizeof(format), nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return format;
}

const char kHeading[] = "Pultara Hilfe";
std::string HelpFile() {
    std::string paragraph;
    for (int i = 0; i < 60; ++i) {
        paragraph += "Ein Button des Joysticks sendet die Tasten seines Modus an das Fenster. ";
    }
    return std::string("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\b\\fs32 ") + kHeading +
           "\\b0\\fs18\\par " + paragraph + "\\par}";
}

class PultaraWindows : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        dpi_ = GetParam();
        PutDword(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels",
                 static_cast<DWORD>(dpi_));
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvendt");
        PutDword(HKEY_CURRENT_USER, kSettingsKey, L"M1fte", 1);  // the title box in use
        // The program with a help file of its own, in a folder of this test.
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"pultara-windows-e2e-" + std::to_wstring(dpi_) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        const std::wstring copy = folder_ + L"pultara.exe";
        ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), copy.c_str(), FALSE));
        WriteWholeFile(folder_ + L"halvane.rtf", HelpFile());
        // Windows with titles, so that the title list has several entries.
        for (int i = 0; i < 6; ++i) {
            const std::wstring title = L"Titel " + std::to_wstring(i + 1);
            titled_.push_back(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC",
                                              title.c_str(), WS_POPUP, 1240, 1000 - 4 * i, 8, 4,
                                              nullptr, nullptr, nullptr, nullptr));
            ShowWindow(titled_.back(), SW_SHOWNOACTIVATE);
        }
        ASSERT_TRUE(program_.Start(copy, folder_));
    }
    void TearDown() override {
        for (HWND window : titled_) {
            DestroyWindow(window);
        }
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels");
    }

    std::string Shot(const char* window) const {
        return std::string("pultara-") + window + "-" + std::to_string(dpi_) + "dpi";
    }

    // Opens a dialog with a button of the main window.
    HWND Open(HWND main, const wchar_t* button, const wchar_t* caption) {
        PostMessageW(ChildButton(main, button), BM_CLICK, 0, 0);
        HWND dialog = nullptr;
        EXPECT_TRUE(WaitFor([&] { return (dialog = ShownForm(caption)) != nullptr; }))
            << "no window";
        return dialog;
    }

    // Closes a dialog with its button and expects the main window active.
    void CloseAndExpectMainActive(HWND main, HWND dialog, const wchar_t* button) {
        PostMessageW(ChildButton(dialog, button), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }, 3000))
            << "active afterwards: " << GetForegroundWindow();
    }

    int dpi_ = 96;
    std::wstring folder_;
    std::vector<HWND> titled_;
    RunningProgram program_;
};

TEST_P(PultaraWindows, EachWindowAsTheUserSeesIt) {
    // The program starts into the tray; a click on the icon shows it.
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = ShownForm(L"Pultara")) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
    PostMessageW(FindWindowW(L"PultaraApplication", nullptr), WM_USER + 1, 0, WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(WaitFor([&] { return FocusOf(main) != nullptr && IsChild(main, FocusOf(main)); }))
        << "no control of the main window has the focus";

    // Tab order: the left column, then the tab control and its page, then
    // the bottom row. No list of the main window takes typed text except
    // the title boxes on the pages.
    HWND tabs = FindWindowExW(main, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_NE(tabs, nullptr);
    std::vector<HWND> order;
    for (HWND item = GetNextDlgTabItem(main, nullptr, FALSE);
         item != nullptr && std::find(order.begin(), order.end(), item) == order.end();
         item = GetNextDlgTabItem(main, item, FALSE)) {
        order.push_back(item);
    }
    const auto onPage = [&](HWND item) { return ClassOf(GetParent(item)) == L"PultaraPage"; };
    const auto firstOnPage = std::find_if(order.begin(), order.end(), onPage);
    const auto tabControl = std::find(order.begin(), order.end(), tabs);
    const auto start = std::find(order.begin(), order.end(), ChildButton(main, L"Start"));
    ASSERT_FALSE(order.empty());
    EXPECT_FALSE(onPage(order.front())) << "the first field in the tab order is on the mode page";
    EXPECT_LT(tabControl, firstOnPage);
    EXPECT_LT(firstOnPage, start);
    for (HWND item : order) {
        if (_wcsicmp(ClassOf(item).c_str(), L"ComboBox") == 0 && !onPage(item)) {
            EXPECT_NE(GetWindowLongW(item, GWL_STYLE) & 3, CBS_DROPDOWN) << "editable list";
        }
    }
    ExpectControlsApart(main);
    Photograph(Shot("main"));

    // The title list of the first page drops down with several rows.
    HWND titleBox = nullptr;
    for (HWND item : order) {
        if (onPage(item) && (GetWindowLongW(item, GWL_STYLE) & 3) == CBS_DROPDOWN) {
            titleBox = item;
            break;
        }
    }
    ASSERT_NE(titleBox, nullptr);
    ASSERT_TRUE(IsWindowEnabled(titleBox));
    SetForegroundWindow(main);
    RECT box{};
    GetWindowRect(titleBox, &box);
    ClickAt({box.right - 6, (box.top + box.bottom) / 2});
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(titleBox, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    RECT dropped{};
    SendMessageW(titleBox, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const int row = static_cast<int>(SendMessageW(titleBox, CB_GETITEMHEIGHT, 0, 0));
    const int entries = static_cast<int>(SendMessageW(titleBox, CB_GETCOUNT, 0, 0));
    EXPECT_GE(entries, 6);
    const int listHeight = (dropped.bottom - dropped.top) - (box.bottom - box.top);
    EXPECT_GE(listHeight, 5 * row) << "entries " << entries << ", row " << row;
    Photograph(Shot("title-list"));
    SendMessageW(titleBox, CB_SHOWDROPDOWN, FALSE, 0);

    // Help: OK holds the focus; the heading stays bold and large after a
    // resize; the paragraph wraps; typed text is gone at the next opening.
    HWND help = Open(main, L"Hilfe", L"Hilfe");
    ASSERT_NE(help, nullptr);
    HWND view = FindWindowExW(help, nullptr, MSFTEDIT_CLASS, nullptr);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(WaitFor([&] { return FocusOf(help) == ChildButton(help, L"OK"); }, 3000))
        << "the focus is on " << FocusOf(help);
    PostMessageW(help, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsZoomed(help); }));
    SetWindowPos(help, nullptr, 20, 20, MulDiv(600, dpi_, 96), MulDiv(500, dpi_, 96),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const std::wstring shown = TextOf(view);
    ASSERT_EQ(shown.rfind(L"Pultara Hilfe", 0), 0u) << "the help file is not shown";
    const CHARFORMAT2W heading = FormatAt(program_.Process(), view, 1);
    const CHARFORMAT2W body = FormatAt(program_.Process(), view, 40);
    EXPECT_TRUE(heading.dwEffects & CFE_BOLD);
    EXPECT_GT(heading.yHeight, body.yHeight);
    const auto lines = SendMessageW(view, EM_GETLINECOUNT, 0, 0);
    EXPECT_GE(lines, 8) << "the long paragraph is not wrapped";
    Photograph(Shot("help"));
    SendMessageW(view, EM_SETSEL, 0, 0);
    for (wchar_t c : std::wstring(L"typed")) {
        SendMessageW(view, WM_CHAR, c, 0);
    }
    ASSERT_NE(TextOf(view), shown);
    CloseAndExpectMainActive(main, help, L"OK");
    help = Open(main, L"Hilfe", L"Hilfe");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(TextOf(view) == shown) << "typed text survived reopening";
    // Escape closes it at once, as its close box does.
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == help; }));
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(help); }, 5000)) << "Escape did nothing";
    if (IsWindowVisible(help)) {
        PostMessageW(help, WM_CLOSE, 0, 0);
    }
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(help); }));
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }, 3000));

    // Plain text that is not UTF-8 is read in the ANSI code page (1252 here).
    WriteWholeFile(folder_ + L"halvane.rtf",
                   "Gr\xFC\xDF"
                   "e aus Pultara");
    help = Open(main, L"Hilfe", L"Hilfe");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(TextOf(view) == L"Gr\u00FC\u00DFe aus Pultara") << "ANSI text shown wrongly";
    CloseAndExpectMainActive(main, help, L"OK");

    // Info: the inside of the panel is the face colour, not black.
    HWND info = Open(main, L"Info", L"Info");
    ASSERT_NE(info, nullptr);
    // A point of the inner panel below the last line, right of the labels.
    POINT inside{MulDiv(8 + 296, dpi_, 96), MulDiv(8 + 168, dpi_, 96)};
    ClientToScreen(info, &inside);
    RedrawWindow(info, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    COLORREF pixel = CLR_INVALID;
    HDC screen = GetDC(nullptr);
    EXPECT_TRUE(WaitFor(
        [&] {
            pixel = GetPixel(screen, inside.x, inside.y);
            return pixel == GetSysColor(COLOR_BTNFACE);
        },
        3000))
        << "panel pixel " << std::hex << pixel;
    ReleaseDC(nullptr, screen);
    ExpectControlsApart(info);
    Photograph(Shot("info"));
    CloseAndExpectMainActive(main, info, L"OK");

    // The rename dialog: a field has the focus.
    HWND rename = Open(main, L"Buttons umbenennen", L"Buttons umbenennen");
    ASSERT_NE(rename, nullptr);
    EXPECT_TRUE(WaitFor(
        [&] { return FocusOf(rename) != nullptr && IsChild(rename, FocusOf(rename)); }, 3000));
    ExpectControlsApart(rename);
    Photograph(Shot("rename"));
    CloseAndExpectMainActive(main, rename, L"OK, speichern");

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program_.WaitForExit(10000));
}

INSTANTIATE_TEST_SUITE_P(Dpi, PultaraWindows, ::testing::Values(96, 144),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

}  // namespace
