// Any bytes as a settings file: reading must not crash, and what was read
// must survive writing and reading again unchanged and without problems.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/filestore/reg_parser.h"
#include "platform/filestore/reg_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pultara::filestore;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ParsedFile first = ParseRegFile(bytes);
    std::string written = WriteRegFile(first.document);
    ParsedFile second = ParseRegFile(written);
    if (!second.problems.empty() || !(second.document == first.document) ||
        WriteRegFile(second.document) != written) {
        std::abort();
    }
    return 0;
}
