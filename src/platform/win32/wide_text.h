#pragma once
#include <string>

namespace pultara::win32 {

// The core speaks UTF-8; the wide calls of the system speak UTF-16. Invalid
// input never throws: malformed sequences become U+FFFD.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
std::string Narrow(const wchar_t* utf16, std::size_t length);

}  // namespace pultara::win32
