#pragma once
#include <stdexcept>
#include <string>

#include "actions/keysend/key_error_display.h"
#include "ports/dialogs.h"
#include "ports/keyboard.h"

namespace pultara {

// Raised for a KeyCommand that cannot be interpreted past a point (a malformed
// repeat count). It ends the command and reaches the general error display.
class KeyCommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The interpreter of the key-sequence language: turns a KeyCommand into
// synthetic key events. Holds no state between calls, apart from knowing
// whether one of its error boxes is open right now.
class KeySender {
public:
    KeySender(Keyboard& keyboard, Dialogs& dialogs);
    // Interprets and types the whole command (UTF-8). Throws KeyCommandError.
    void SendKeys(const std::string& command);

private:
    Keyboard& keyboard_;
    KeyErrorDisplay errors_;
};

}  // namespace pultara
