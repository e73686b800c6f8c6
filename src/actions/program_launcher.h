#pragma once
#include <string>

#include "ports/processes.h"

namespace pultara {

// Starts `program` with `parameters` as a new process without waiting for
// it. When it cannot be started and `program` names an existing file, the
// file is opened with the desktop's default handler instead (a document).
// A failure shows nothing.
void LaunchProgram(Processes& processes, const std::string& program, const std::string& parameters);

}  // namespace pultara
