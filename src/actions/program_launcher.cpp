#include "actions/program_launcher.h"

#include <exception>

namespace pultara {

void LaunchProgram(Processes& processes, const std::string& program,
                   const std::string& parameters) {
    try {
        // The space stays even without parameters: the line then ends in one.
        if (processes.StartProcess(program + " " + parameters)) {
            return;
        }
        if (processes.FileExists(program)) {
            processes.ShellOpen(program, parameters);
        }
    } catch (const std::exception&) {
        // A program that cannot be started is not reported.
    }
}

}  // namespace pultara
