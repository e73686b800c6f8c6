// Feeds arbitrary bytes to the help window's RTF reader: it must never
// crash, hang or read out of bounds, and its text must be valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rtf_reader.h"

namespace {

bool IsUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Most inputs should look like RTF to get past the first check.
    std::string text = "{\\rtf1 ";
    text.append(reinterpret_cast<const char*>(data), size);
    for (const std::string_view input :
         {std::string_view(text), std::string_view(text).substr(7)}) {
        if (auto document = pultara::rtf::Read(input)) {
            if (!IsUtf8(document->PlainText())) {
                std::abort();
            }
        }
    }
    return 0;
}
