#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace pultara::linux_kwin {

// What the program asks of KWin's scripting service on the session bus,
// and the answers its scripts send back; a stand-in takes its place in tests.
class ScriptingBus {
public:
    virtual ~ScriptingBus() = default;
    // The program's unique name on the bus (":1.42"): the scripts answer there.
    virtual std::string UniqueName() = 0;
    // org.kde.kwin.Scripting.loadScript(file, plugin): the script's number.
    virtual std::optional<std::int32_t> LoadScript(const std::string& file,
                                                   const std::string& plugin) = 0;
    // org.kde.kwin.Script.run on the loaded script; returns when KWin ran it.
    virtual bool RunScript(std::int32_t script) = 0;
    virtual void UnloadScript(const std::string& plugin) = 0;
    // The list a script sent with `token`, waiting at most `wait` for it.
    virtual std::optional<std::string> Answer(const std::string& token,
                                              std::chrono::milliseconds wait) = 0;
};

}  // namespace pultara::linux_kwin
