#pragma once
#include <string>

#include "ui/program.h"

namespace pultara {

// The control a script or a test names: "FormUmbenennen.Edit3" is a control
// of another window, a bare name one of the main window's. Null when there is
// no such window or control.
Control* FindControl(Program& program, const std::string& name);

}  // namespace pultara
