#include "command_line.h"

namespace pultara::keys {

// Arguments arrive in the locale's encoding, which is UTF-8 on the systems
// this tool is used on.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace pultara::keys
