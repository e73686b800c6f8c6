#pragma once
#include <string>
#include <vector>

namespace pultara::keys {

// The program's arguments as UTF-8, without the program name, and standard
// output set up to show UTF-8 text.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace pultara::keys
