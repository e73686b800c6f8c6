#pragma once
#include "ports/file_dialog.h"
#include "ports/files.h"

namespace pultara::win32 {

// Files beside the program; paths are UTF-8.
class Win32Files : public Files {
public:
    std::string ExecutableDirectory() override;
    std::optional<std::string> ReadFile(const std::string& path) override;
};

// The common open-file dialog (GetOpenFileNameW), owned by the main window.
class Win32FileDialog : public FileDialog {
public:
    void SetOwnerWindow(void* window) { owner_ = window; }
    std::optional<std::string> OpenFile(const std::string& initialFile,
                                        const std::string& filterDescription,
                                        const std::string& filterPattern) override;

private:
    void* owner_ = nullptr;
};

}  // namespace pultara::win32
