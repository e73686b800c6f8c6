#include "platform/linux/kwin/kwin_desktop.h"

#include <fcntl.h>
#include <unistd.h>

#include <utility>

namespace pultara::linux_kwin {
namespace {

// KWin runs a script within milliseconds; a compositor that takes longer
// is stuck, and the program goes on without the list.
constexpr std::chrono::milliseconds kAnswerWait{500};

// Writes `text` to a new file of the user's only; its path, or empty.
std::string WriteScript(const std::string& folder, const std::string& text) {
    std::string path = folder + "/pultara-kwin-XXXXXX.js";
    const int file = mkstemps(path.data(), 3);
    if (file < 0) {
        return {};
    }
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(file, text.data() + written, text.size() - written);
        if (n <= 0) {
            close(file);
            unlink(path.c_str());
            return {};
        }
        written += static_cast<std::size_t>(n);
    }
    close(file);
    return path;
}

}  // namespace

KWinDesktop::KWinDesktop(std::unique_ptr<ScriptingBus> bus, std::string scriptFolder)
    : bus_(std::move(bus)), scriptFolder_(std::move(scriptFolder)) {}

bool KWinDesktop::Ask(ScriptAction action, WindowId window) {
    const KWinWindow* target = Find(window);
    if (action != ScriptAction::List && target == nullptr) {
        return false;
    }
    ScriptRequest request;
    request.action = action;
    request.window = target != nullptr ? target->id : std::string();
    request.answerTo = bus_->UniqueName();
    request.token = std::to_string(++questions_);
    const std::string script = KWinScript(request);
    const std::string file = script.empty() ? std::string() : WriteScript(scriptFolder_, script);
    if (file.empty()) {
        return false;
    }
    const std::string plugin = "pultara-" + std::to_string(getpid()) + "-" + request.token;
    std::optional<std::string> answer;
    if (const auto loaded = bus_->LoadScript(file, plugin)) {
        if (bus_->RunScript(*loaded)) {
            answer = bus_->Answer(request.token, kAnswerWait);
        }
        bus_->UnloadScript(plugin);
    }
    unlink(file.c_str());
    const auto windows = answer ? ParseKWinAnswer(*answer) : std::nullopt;
    if (!windows) {
        return false;
    }
    windows_.clear();
    std::map<std::string, WindowId> ids;
    for (const KWinWindow& listed : *windows) {
        const WindowId id = IdOf(listed.id);
        ids.emplace(listed.id, id);
        windows_.emplace_back(id, listed);
    }
    ids_ = std::move(ids);  // closed windows' handles go with them
    return true;
}

WindowId KWinDesktop::IdOf(const std::string& internalId) {
    const auto known = ids_.find(internalId);
    return known != ids_.end() ? known->second : ++lastId_;
}

const KWinWindow* KWinDesktop::Find(WindowId window) const {
    for (const auto& [id, listed] : windows_) {
        if (id == window) {
            return &listed;
        }
    }
    return nullptr;
}

WindowId KWinDesktop::FindWindowByTitle(const std::string& title) {
    Ask(ScriptAction::List);
    for (const auto& [id, listed] : windows_) {
        if (listed.title == title) {
            return id;
        }
    }
    return kNoWindow;
}

std::vector<WindowId> KWinDesktop::EnumerateWindows() {
    std::vector<WindowId> windows;
    if (Ask(ScriptAction::List)) {
        for (const auto& entry : windows_) {
            windows.push_back(entry.first);
        }
    }
    return windows;
}

std::string KWinDesktop::WindowTitle(WindowId window) {
    const KWinWindow* listed = Find(window);
    return listed != nullptr ? listed->title : std::string();
}

bool KWinDesktop::IsWindowVisible(WindowId window) {
    return Find(window) != nullptr;
}

bool KWinDesktop::IsIconic(WindowId window) {
    const KWinWindow* listed = Find(window);
    return listed != nullptr && listed->minimized;
}

void KWinDesktop::SendSysCommand(WindowId window, std::uint32_t command) {
    if (command == kSysCommandHotkey) {
        Ask(ScriptAction::Activate, window);
    } else if (command == kSysCommandRestore && IsIconic(window)) {
        Ask(ScriptAction::Unminimize, window);
    }
}

void KWinDesktop::ShowWindow(WindowId window, int showCommand) {
    if (showCommand == kShowRestore) {
        Ask(ScriptAction::Activate, window);
    }
}

WindowId KWinDesktop::ForegroundWindow() {
    if (!Ask(ScriptAction::List)) {
        return kNoWindow;
    }
    for (const auto& [id, listed] : windows_) {
        if (listed.active) {
            return id;
        }
    }
    return kNoWindow;
}

std::uint32_t KWinDesktop::WindowThreadId(WindowId window) {
    // The list names no process; each window stands for its own.
    return Find(window) != nullptr ? static_cast<std::uint32_t>(window) : 0;
}

void KWinDesktop::BringWindowToTop(WindowId window) {
    Ask(ScriptAction::Activate, window);
}

// KWin activates within the script, so its answer tells whether it took.
bool KWinDesktop::SetForegroundWindow(WindowId window) {
    if (!Ask(ScriptAction::Activate, window)) {
        return false;
    }
    const KWinWindow* listed = Find(window);
    return listed != nullptr && listed->active;
}

}  // namespace pultara::linux_kwin
