#pragma once
#include <string>

#include "ports/dialogs.h"

namespace pultara {

// Shows the interpreter's error boxes (caption "SendKeys", no icon). While one
// is open, the timers keep running and may type further commands; an error of
// such a command is not shown in a box of its own, so that a held repeating
// command with a bad key cannot stack boxes without end.
class KeyErrorDisplay {
public:
    explicit KeyErrorDisplay(Dialogs& dialogs) : dialogs_(dialogs) {}
    // Returns when the user has closed the box, or at once when a box is
    // already open.
    void Show(const std::string& text);

private:
    Dialogs& dialogs_;
    bool boxOpen_ = false;
};

}  // namespace pultara
