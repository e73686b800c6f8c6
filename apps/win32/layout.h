#pragma once
#include "ui/control.h"
#include "ui/form.h"

namespace pultara::win32app {

// A rectangle in pixels at 96 dots per inch; the window scales it with the
// monitor's DPI.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Where a control sits inside its container (the form's client area, a tab
// page or a panel), from its grid placement.
Box PlaceControl(const Form& form, const Control& control);

// The client size a self-sizing form needs for its controls.
Box FormClientSize(const Form& form);

}  // namespace pultara::win32app
