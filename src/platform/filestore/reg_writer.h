#pragma once
#include <string>

#include "platform/filestore/reg_document.h"

namespace pultara::filestore {

// The document as a registry export in UTF-8: the version 5 header, each key
// as a section, plain texts quoted, four-byte dwords as "dword:", everything
// else as hex (texts of the string types as UTF-16LE, as Windows writes
// them). Reading the result gives the same document.
std::string WriteRegFile(const RegDocument& document);

}  // namespace pultara::filestore
