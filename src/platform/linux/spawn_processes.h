#pragma once
#include <string>
#include <vector>

#include "ports/processes.h"

namespace pultara::linux_x11 {

// Programs started with posix_spawn: no shell, no waiting. Each child gets
// a session of its own (closing the program leaves it running) and a thread
// that collects its exit status, so that no zombie stays behind. The command
// line is split by SplitCommandLine; the program is searched on PATH.
// ShellOpen runs a program (a path, or a bare name found on PATH) with its
// parameters; anything else, a document or an address, opens with the
// desktop's default handler (xdg-open).
//
// Priority: "high" lowers the nice value by ten where the user may
// (CAP_SYS_NICE or RLIMIT_NICE) and is otherwise left alone; "normal" goes
// back to the nice value the program started with. Children start at that
// value too.
class SpawnProcesses : public Processes {
public:
    SpawnProcesses();

    bool StartProcess(const std::string& commandLine) override;
    void ShellOpen(const std::string& file, const std::string& parameters) override;
    bool FileExists(const std::string& path) override;
    void SetPriority(ProcessPriority priority) override;

    // The program that opens documents (xdg-open unless changed).
    std::string opener = "xdg-open";

private:
    bool Spawn(const std::vector<std::string>& arguments);

    int startNice_ = 0;
    bool raised_ = false;
};

}  // namespace pultara::linux_x11
