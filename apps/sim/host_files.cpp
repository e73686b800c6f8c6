#include "host_files.h"

#include <fstream>
#include <sstream>

namespace pultara::sim {

std::optional<std::string> HostFiles::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return content.str();
}

}  // namespace pultara::sim
