#include "actions/keysend/key_sender.h"

#include "actions/keysend/command_text.h"
#include "actions/keysend/key_command_interpreter.h"

namespace pultara {

KeySender::KeySender(Keyboard& keyboard, Dialogs& dialogs)
    : keyboard_(keyboard), errors_(dialogs) {}

void KeySender::SendKeys(const std::string& command) {
    KeyCommandInterpreter interpreter(keyboard_, errors_, DecodeKeyCommand(command));
    interpreter.Run();
}

}  // namespace pultara
