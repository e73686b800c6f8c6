#pragma once
#include <optional>
#include <string>

namespace pultara {

// Files beside the program (the help file).
class Files {
public:
    virtual ~Files() = default;
    // The folder of the running program's executable, with its trailing
    // separator.
    virtual std::string ExecutableDirectory() = 0;
    // The whole content of a file; nothing when it cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
};

}  // namespace pultara
