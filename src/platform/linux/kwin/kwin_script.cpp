#include "platform/linux/kwin/kwin_script.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace pultara::linux_kwin {
namespace {

bool OnlyOf(const std::string& text, const std::string& allowed) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [&](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x80 && std::isalnum(u) != 0) || allowed.find(c) != std::string::npos;
    });
}

// A JavaScript string literal; the values are checked before, the quoting
// keeps the script sound anyway.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    return quoted + "\"";
}

const char* ActionName(ScriptAction action) {
    switch (action) {
        case ScriptAction::Activate: return "activate";
        case ScriptAction::Unminimize: return "unminimize";
        case ScriptAction::List: break;
    }
    return "list";
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::optional<std::string> PercentDecoded(const std::string& text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return decoded;
}

// The part of every script after its values: act, then answer.
constexpr const char* kScriptBody = R"js(
var six = typeof workspace.windowList === "function";
var all = six ? workspace.windowList() : workspace.clientList();
var order = workspace.stackingOrder || all;
function activeWindow() { return six ? workspace.activeWindow : workspace.activeClient; }
function byId(id) {
    for (var i = 0; i < all.length; ++i) {
        if (String(all[i].internalId) === id) return all[i];
    }
    return null;
}
var target = byId(wanted);
if (target !== null && action !== "list") {
    if (target.minimized) target.minimized = false;
    if (action === "activate") {
        if (six) workspace.activeWindow = target; else workspace.activeClient = target;
    }
}
var active = activeWindow();
var lines = [];
for (var i = order.length - 1; i >= 0; --i) {
    var w = order[i];
    if (!w.normalWindow && !w.dialog) continue;
    try {
        var flags = (w === active ? "a" : "") + (w.minimized ? "m" : "");
        lines.push(encodeURIComponent(String(w.internalId)) + " " + (flags || "-") + " " +
                   encodeURIComponent(String(w.caption)));
    } catch (e) {
        // a title that is no valid text stays out of the list
    }
}
callDBus(answerTo, ")js";

}  // namespace

std::string KWinScript(const ScriptRequest& request) {
    const bool windowNeeded = request.action != ScriptAction::List;
    if (!OnlyOf(request.answerTo, ":._-") || !OnlyOf(request.token, "") ||
        (windowNeeded && !OnlyOf(request.window, "{}-"))) {
        return {};
    }
    std::ostringstream script;
    script << "var action = " << Quoted(ActionName(request.action)) << ";\n"
           << "var wanted = " << Quoted(request.window) << ";\n"
           << "var answerTo = " << Quoted(request.answerTo) << ";\n"
           << "var token = " << Quoted(request.token) << ";\n"
           << kScriptBody << kAnswerPath << "\", \"" << kAnswerInterface << "\", \""
           << kAnswerMember << "\", token, lines.join(\"\\n\"));\n";
    return script.str();
}

std::optional<std::vector<KWinWindow>> ParseKWinAnswer(const std::string& answer) {
    std::vector<KWinWindow> windows;
    std::istringstream lines(answer);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string id;
        std::string flags;
        std::string title;
        if (!(fields >> id >> flags)) {
            return std::nullopt;
        }
        fields >> title;  // an empty title is no field
        const auto decodedId = PercentDecoded(id);
        const auto decodedTitle = PercentDecoded(title);
        if (!decodedId || !decodedTitle || flags.find_first_not_of("am-") != std::string::npos) {
            return std::nullopt;
        }
        windows.push_back({*decodedId, *decodedTitle, flags.find('a') != std::string::npos,
                           flags.find('m') != std::string::npos});
    }
    return windows;
}

}  // namespace pultara::linux_kwin
