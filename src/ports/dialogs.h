#pragma once
#include <string>

namespace pultara {

enum class MessageIcon { None, Information };

// Modal boxes shown by the front end. Both return when the user has closed
// the box; the program's timers keep running meanwhile.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box with one OK button.
    virtual void ShowMessage(const std::string& text, const std::string& caption,
                             MessageIcon icon) = 0;
    // The application's general error display, for an error that escaped an
    // event handler.
    virtual void ShowApplicationError(const std::string& message) = 0;
};

}  // namespace pultara
