#pragma once
#include "ui/control.h"

namespace pultara {

// Hears of every change of a form's observable state; front ends redraw
// from it, the simulator prints it.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void ControlChanged(const Control& control, Property property) = 0;
    // Caption, Visible or Minimised of the form itself.
    virtual void FormChanged(const Form& form, Property property) = 0;
};

}  // namespace pultara
