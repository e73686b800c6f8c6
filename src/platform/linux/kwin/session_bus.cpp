#include "platform/linux/kwin/session_bus.h"

#include <dbus/dbus.h>

#include <string>

#include "platform/linux/kwin/kwin_script.h"

namespace pultara::linux_kwin {
namespace {

constexpr const char* kKWinService = "org.kde.KWin";
constexpr const char* kScriptingInterface = "org.kde.kwin.Scripting";
constexpr const char* kScriptInterface = "org.kde.kwin.Script";
// A call to KWin waits this long at most (KWin reads a script's file
// before it runs it).
constexpr int kCallTimeoutMs = 1000;

DBusHandlerResult Filter(DBusConnection* /*connection*/, DBusMessage* message, void* bus) {
    return static_cast<SessionBus*>(bus)->Keep(message) ? DBUS_HANDLER_RESULT_HANDLED
                                                        : DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

struct Error {
    Error() { dbus_error_init(&error); }
    ~Error() { dbus_error_free(&error); }
    Error(const Error&) = delete;
    Error& operator=(const Error&) = delete;
    DBusError error;
};

}  // namespace

std::unique_ptr<SessionBus> SessionBus::ConnectToKWin() {
    Error error;
    DBusConnection* connection = dbus_bus_get_private(DBUS_BUS_SESSION, &error.error);
    if (connection == nullptr) {
        return nullptr;
    }
    // The program decides itself what a lost bus means.
    dbus_connection_set_exit_on_disconnect(connection, FALSE);
    std::unique_ptr<SessionBus> bus(new SessionBus(connection));
    if (dbus_bus_name_has_owner(connection, kKWinService, &error.error) == FALSE) {
        return nullptr;
    }
    return bus;
}

SessionBus::SessionBus(DBusConnection* connection) : connection_(connection) {
    dbus_connection_add_filter(connection_, Filter, this, nullptr);
}

SessionBus::~SessionBus() {
    dbus_connection_remove_filter(connection_, Filter, this);
    dbus_connection_close(connection_);
    dbus_connection_unref(connection_);
}

std::string SessionBus::UniqueName() {
    const char* name = dbus_bus_get_unique_name(connection_);
    return name != nullptr ? name : "";
}

bool SessionBus::Keep(DBusMessage* message) {
    if (dbus_message_is_method_call(message, kAnswerInterface, kAnswerMember) == FALSE) {
        return false;
    }
    const char* token = nullptr;
    const char* list = nullptr;
    Error error;
    if (dbus_message_get_args(message, &error.error, DBUS_TYPE_STRING, &token, DBUS_TYPE_STRING,
                              &list, DBUS_TYPE_INVALID) != FALSE) {
        answers_[token] = list;
    }
    if (dbus_message_get_no_reply(message) == FALSE) {
        DBusMessage* reply = dbus_message_new_method_return(message);
        if (reply != nullptr) {
            dbus_connection_send(connection_, reply, nullptr);
            dbus_message_unref(reply);
        }
    }
    return true;
}

// Sends `call` (and lets go of it); the reply, or nullptr on an error.
DBusMessage* SessionBus::Call(DBusMessage* call) {
    if (call == nullptr) {
        return nullptr;
    }
    Error error;
    DBusMessage* reply =
        dbus_connection_send_with_reply_and_block(connection_, call, kCallTimeoutMs, &error.error);
    dbus_message_unref(call);
    return reply;
}

std::optional<std::int32_t> SessionBus::LoadScript(const std::string& file,
                                                   const std::string& plugin) {
    DBusMessage* call =
        dbus_message_new_method_call(kKWinService, "/Scripting", kScriptingInterface, "loadScript");
    const char* path = file.c_str();
    const char* name = plugin.c_str();
    if (call != nullptr && dbus_message_append_args(call, DBUS_TYPE_STRING, &path, DBUS_TYPE_STRING,
                                                    &name, DBUS_TYPE_INVALID) == FALSE) {
        dbus_message_unref(call);
        call = nullptr;
    }
    DBusMessage* reply = Call(call);
    if (reply == nullptr) {
        return std::nullopt;
    }
    dbus_int32_t id = -1;
    Error error;
    const bool read = dbus_message_get_args(reply, &error.error, DBUS_TYPE_INT32, &id,
                                            DBUS_TYPE_INVALID) != FALSE;
    dbus_message_unref(reply);
    if (!read || id < 0) {  // -1: a script of that name runs already
        return std::nullopt;
    }
    return id;
}

// The script's object is /Scripting/Script<n> on Plasma 6 and /<n> on 5.27.
bool SessionBus::RunScript(std::int32_t script) {
    for (const std::string& path :
         {"/Scripting/Script" + std::to_string(script), "/" + std::to_string(script)}) {
        DBusMessage* reply =
            Call(dbus_message_new_method_call(kKWinService, path.c_str(), kScriptInterface, "run"));
        if (reply != nullptr) {
            dbus_message_unref(reply);
            return true;
        }
    }
    return false;
}

void SessionBus::UnloadScript(const std::string& plugin) {
    DBusMessage* call = dbus_message_new_method_call(kKWinService, "/Scripting",
                                                     kScriptingInterface, "unloadScript");
    const char* name = plugin.c_str();
    if (call != nullptr &&
        dbus_message_append_args(call, DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID) == FALSE) {
        dbus_message_unref(call);
        return;
    }
    if (DBusMessage* reply = Call(call)) {
        dbus_message_unref(reply);
    }
}

// Waits on the connection, not in steps: the answer's arrival wakes it.
std::optional<std::string> SessionBus::Answer(const std::string& token,
                                              std::chrono::milliseconds wait) {
    const auto end = std::chrono::steady_clock::now() + wait;
    while (true) {
        while (dbus_connection_dispatch(connection_) == DBUS_DISPATCH_DATA_REMAINS) {
        }
        if (const auto found = answers_.find(token); found != answers_.end()) {
            std::string answer = std::move(found->second);
            answers_.clear();  // late answers to questions given up on
            return answer;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0 ||
            dbus_connection_read_write(connection_, static_cast<int>(left.count())) == FALSE) {
            return std::nullopt;
        }
    }
}

}  // namespace pultara::linux_kwin
