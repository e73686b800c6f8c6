#pragma once
#include <map>
#include <memory>
#include <string>

#include "platform/linux/kwin/scripting_bus.h"

struct DBusConnection;
struct DBusMessage;

namespace pultara::linux_kwin {

// KWin's scripting service through the program's own private connection to
// the session bus (libdbus). The scripts' answers arrive as method calls on
// this connection and are kept until asked for.
class SessionBus : public ScriptingBus {
public:
    // A connection when the session bus is reachable and KWin (org.kde.KWin)
    // is on it; else nullptr.
    static std::unique_ptr<SessionBus> ConnectToKWin();
    ~SessionBus() override;
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    std::string UniqueName() override;
    std::optional<std::int32_t> LoadScript(const std::string& file,
                                           const std::string& plugin) override;
    bool RunScript(std::int32_t script) override;
    void UnloadScript(const std::string& plugin) override;
    std::optional<std::string> Answer(const std::string& token,
                                      std::chrono::milliseconds wait) override;

    // Keeps an answer; true when `message` was one.
    bool Keep(DBusMessage* message);

private:
    explicit SessionBus(DBusConnection* connection);
    DBusMessage* Call(DBusMessage* call);

    DBusConnection* connection_;
    std::map<std::string, std::string> answers_;
};

}  // namespace pultara::linux_kwin
