#pragma once
#include <istream>
#include <string>

#include "platform/fake/fake_platform.h"
#include "platform/fake/fake_shell.h"

namespace pultara::sim {

// Reads a desktop description (format in docs/pultara-sim.md) into the
// fake desktop, processes and tray.
void ReadDesktop(std::istream& in, const std::string& name, fake::FakePlatform& platform,
                 fake::FakeTray& tray);

}  // namespace pultara::sim
