// pultara-keys: shows the key events a KeyCommand types, one line each, with
// the US English layout. See docs/pultara-keys.md.
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "key_transcript.h"

namespace {

constexpr int kCommandFailed = 1;
constexpr int kUsageError = 2;

void PrintUsage(std::ostream& out) {
    out << "usage: pultara-keys COMMAND\n"
           "       pultara-keys -            read commands from standard input, one per line\n"
           "       pultara-keys -- COMMAND   a command that starts with \"-\"\n";
}

// One command per line; a blank line between the transcripts.
int TranscribeStandardInput() {
    bool allTyped = true;
    bool first = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!first) {
            std::cout << '\n';
        }
        first = false;
        allTyped = pultara::keys::WriteTranscript(line, std::cout) && allTyped;
    }
    return allTyped ? 0 : kCommandFailed;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = pultara::keys::Utf8Arguments(argc, argv);
    if (args.size() == 2 && args[0] == "--") {
        return pultara::keys::WriteTranscript(args[1], std::cout) ? 0 : kCommandFailed;
    }
    if (args.size() != 1) {
        PrintUsage(std::cerr);
        return kUsageError;
    }
    if (args[0] == "-") {
        return TranscribeStandardInput();
    }
    if (args[0] == "-h" || args[0] == "--help") {
        PrintUsage(std::cout);
        return 0;
    }
    // An option the tool does not know is a mistake, not a command to type.
    if (args[0].size() > 1 && args[0][0] == '-') {
        std::cerr << "pultara-keys: unknown option " << args[0] << '\n';
        PrintUsage(std::cerr);
        return kUsageError;
    }
    return pultara::keys::WriteTranscript(args[0], std::cout) ? 0 : kCommandFailed;
}
