#pragma once
#include <string>

namespace pultara {

enum class ProcessPriority { Normal, High };

class Processes {
public:
    virtual ~Processes() = default;
    // Starts `commandLine` as a new process, shown restored, without waiting
    // for it. False when it could not be started.
    virtual bool StartProcess(const std::string& commandLine) = 0;
    // Opens a program or document with the desktop's default handler.
    virtual void ShellOpen(const std::string& file, const std::string& parameters) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual void SetPriority(ProcessPriority priority) = 0;
};

}  // namespace pultara
