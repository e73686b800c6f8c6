#pragma once
#include <string>

#include "ports/files.h"

namespace pultara::sim {

// The real files of the machine; the program's folder is the simulator's.
class HostFiles : public Files {
public:
    explicit HostFiles(std::string directory) : directory_(std::move(directory)) {}
    std::string ExecutableDirectory() override { return directory_; }
    std::optional<std::string> ReadFile(const std::string& path) override;

private:
    std::string directory_;
};

}  // namespace pultara::sim
