#include "platform/fake/fake_shell.h"

namespace pultara::fake {

void FakeTray::AddIcon(const TrayIcon& icon) {
    log_.Add("Shell_NotifyIconA(NIM_ADD, " + std::to_string(icon.id) + ", " + Quoted(icon.tip) +
             ")");
    iconShown = available;
}

void FakeTray::RemoveIcon(const TrayIcon& icon) {
    log_.Add("Shell_NotifyIconA(NIM_DELETE, " + std::to_string(icon.id) + ")");
    iconShown = false;
}

std::uint32_t FakeTray::RegisterTaskbarCreatedMessage() {
    log_.Add("RegisterWindowMessageA(\"TaskbarCreated\")");
    return taskbarCreatedMessage;
}

void FakeTray::ShowNotice(const TrayIcon& icon, const std::string& title, const std::string& text) {
    log_.Add("Shell_NotifyIconA(NIM_MODIFY, " + std::to_string(icon.id) + ", NIF_INFO, " +
             Quoted(title) + ", " + Quoted(text) + ")");
}

std::optional<std::string> FakeFiles::ReadFile(const std::string& path) {
    log_.Add("ReadFile(" + Quoted(path) + ")");
    const auto found = files.find(path);
    if (found == files.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::string> FakeFileDialog::OpenFile(const std::string& initialFile,
                                                    const std::string& filterDescription,
                                                    const std::string& filterPattern) {
    log_.Add("GetOpenFileNameA(" + Quoted(initialFile) + ")");
    lastFilter = filterDescription + "|" + filterPattern;
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace pultara::fake
