#pragma once
#include "ports/processes.h"

namespace pultara::win32 {

// Starting programs, the shell's "open", and the process priority. Command
// lines and paths go through the wide calls so that no character outside the
// ANSI code page is lost; the arguments are otherwise those of the classic
// CreateProcessA/ShellExecuteA calls.
class Win32Processes : public Processes {
public:
    // The window that owns anything the shell shows (the main window).
    void SetOwnerWindow(void* window) { owner_ = window; }

    bool StartProcess(const std::string& commandLine) override;
    void ShellOpen(const std::string& file, const std::string& parameters) override;
    // True for an existing file, false for a folder or nothing.
    bool FileExists(const std::string& path) override;
    void SetPriority(ProcessPriority priority) override;

private:
    void* owner_ = nullptr;
};

}  // namespace pultara::win32
