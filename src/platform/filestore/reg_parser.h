#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/filestore/reg_document.h"

namespace pultara::filestore {

// A line that could not be read, with the reason.
struct ParseProblem {
    int line = 0;  // 1-based; 0 for the file as a whole
    std::string message;
};

struct ParsedFile {
    RegDocument document;                // everything that could be read
    std::vector<ParseProblem> problems;  // empty when the whole file was read
};

// Reads a registry export: "Windows Registry Editor Version 5.00" or
// "REGEDIT4", UTF-8, Windows-1252 or UTF-16 with a byte-order mark. Lines
// that cannot be read are reported and skipped; the rest is used.
ParsedFile ParseRegFile(std::string_view bytes);

}  // namespace pultara::filestore
