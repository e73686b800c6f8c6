#pragma once
#include "ports/dialogs.h"

namespace pultara::win32 {

// Message boxes through MessageBoxW, so German texts show as written. Each
// box runs its own message loop; the program's timers keep firing in it.
class Win32Dialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    // An error box captioned with the program's name.
    void ShowApplicationError(const std::string& message) override;
};

}  // namespace pultara::win32
