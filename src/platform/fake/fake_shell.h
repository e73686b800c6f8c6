#pragma once
#include <deque>
#include <map>
#include <optional>
#include <string>

#include "platform/fake/call_log.h"
#include "ports/file_dialog.h"
#include "ports/files.h"
#include "ports/tray.h"

namespace pultara::fake {

// Logs `Shell_NotifyIconA(NIM_ADD, ID, "TIP")`, `Shell_NotifyIconA(NIM_DELETE, ID)`
// `RegisterWindowMessageA("TaskbarCreated")` and
// `Shell_NotifyIconA(NIM_MODIFY, ID, NIF_INFO, "TITLE", "TEXT")`. `available` false is a
// desktop without a notification area.
class FakeTray : public Tray {
public:
    explicit FakeTray(CallLog& log) : log_(log) {}
    bool IsAvailable() override { return available; }
    void AddIcon(const TrayIcon& icon) override;
    void RemoveIcon(const TrayIcon& icon) override;
    std::uint32_t RegisterTaskbarCreatedMessage() override;
    void ShowNotice(const TrayIcon& icon, const std::string& title,
                    const std::string& text) override;

    bool available = true;
    bool iconShown = false;
    std::uint32_t taskbarCreatedMessage = 0xC0DE;

private:
    CallLog& log_;
};

// Files by full path, in memory; the program lives in `directory`. Logs
// `ReadFile("PATH")`.
class FakeFiles : public Files {
public:
    explicit FakeFiles(CallLog& log) : log_(log) {}
    std::string ExecutableDirectory() override { return directory; }
    std::optional<std::string> ReadFile(const std::string& path) override;

    std::string directory = "C:\\Programme\\Pultara\\";
    std::map<std::string, std::string> files;

private:
    CallLog& log_;
};

// Answers each showing with the next queued answer (a path, or nothing for
// Cancel); with none queued the user cancels. Logs `GetOpenFileNameA("INITIAL")`.
class FakeFileDialog : public FileDialog {
public:
    explicit FakeFileDialog(CallLog& log) : log_(log) {}
    std::optional<std::string> OpenFile(const std::string& initialFile,
                                        const std::string& filterDescription,
                                        const std::string& filterPattern) override;

    std::deque<std::optional<std::string>> answers;
    std::string lastFilter;

private:
    CallLog& log_;
};

}  // namespace pultara::fake
