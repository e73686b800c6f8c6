#pragma once
#include <optional>
#include <string>
#include <vector>

namespace pultara::linux_kwin {

// Where a script's answer goes: a method call on the program's own
// connection to the session bus, with the question's token and the list.
inline constexpr const char* kAnswerPath = "/WindowList";
inline constexpr const char* kAnswerInterface = "net.pultara.KWinWindowList";
inline constexpr const char* kAnswerMember = "Answer";

// What a script does before it answers with the window list.
enum class ScriptAction { List, Activate, Unminimize };

struct ScriptRequest {
    ScriptAction action = ScriptAction::List;
    std::string window;    // the window's internalId, for Activate/Unminimize
    std::string answerTo;  // the program's unique name on the bus (":1.42")
    std::string token;     // names this question in the answer
};

// One window as KWin describes it.
struct KWinWindow {
    std::string id;  // internalId, a UUID text
    std::string title;
    bool active = false;
    bool minimized = false;
};

// The script's text: it works on Plasma 6 (windowList, activeWindow) and
// 5.27 (clientList, activeClient), lists the normal windows and dialogs top
// first, and sends one line per window: id, flags ("a" active, "m"
// minimised, "-" neither) and title, each percent-encoded. Empty when a
// value to embed is not of its expected form.
std::string KWinScript(const ScriptRequest& request);

// The windows of a script's answer; nullopt when the answer is malformed.
std::optional<std::vector<KWinWindow>> ParseKWinAnswer(const std::string& answer);

}  // namespace pultara::linux_kwin
