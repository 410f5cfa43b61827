#pragma once

#include <string>
#include <string_view>

namespace tenukiro {

// UTF-8 to the UTF-16 of the wide Windows calls, and back; invalid bytes become U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace tenukiro
