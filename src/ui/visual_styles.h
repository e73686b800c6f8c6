#pragma once
#include <stdexcept>

#include "ui/control.h"
#include "ui/form.h"

namespace pultara {

// Raised when a component cannot be placed on its owner.
class ComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// TVisualStyles: asks the platform to draw the form's controls in its visual
// style (the Win32 front end's manifest does the work). It has no state; its
// construction checks that it sits on a form, alone.
class VisualStyles {
public:
    static constexpr const char* kClassName = "TVisualStyles";
    // Throws ComponentError "Only one instance of TVisualStyles allowed on form".
    explicit VisualStyles(Form& owner);
    // Throws ComponentError "Control parent must be a form!".
    explicit VisualStyles(Control& owner);
    ~VisualStyles();
    VisualStyles(const VisualStyles&) = delete;
    VisualStyles& operator=(const VisualStyles&) = delete;

private:
    Form* owner_ = nullptr;
};

}  // namespace pultara
