#pragma once
#include "ui/form.h"

namespace pultara {

// What the front end does with the windows beyond drawing the model.
class FormHost {
public:
    virtual ~FormHost() = default;
    // Shows `form` modally and returns when it is no longer visible (the
    // core sets Visible to false, or the user closed it, upon which the
    // front end sets Visible to false). The timers keep running meanwhile.
    virtual void ShowModal(Form& form) = 0;
    // Brings the form's window to the front and gives it the focus.
    virtual void BringToFront(Form& form) = 0;
    // The main window has closed: leave the message loop.
    virtual void Quit() = 0;
};

}  // namespace pultara
