#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tenukiro {

// The most bytes one code point takes in UTF-8.
inline constexpr std::size_t kMaxUtf8Length = 4;

// Writes one code point as UTF-8 at out (room for kMaxUtf8Length bytes) and returns its length.
// Surrogates and values past U+10FFFF, which UTF-8 cannot hold, are written as U+FFFD.
std::size_t PutUtf8(char32_t code, char* out);

// Code points as UTF-8.
std::string EncodeUtf8(std::u32string_view codes);

// The length of the well-formed multi-byte UTF-8 sequence at the start of non-empty `bytes`, with
// its code point in `code`; 0 when there is none there (an ASCII byte included). Overlong forms,
// surrogates and code points above U+10FFFF are not well-formed.
std::size_t Utf8SequenceLength(std::string_view bytes, char32_t& code);

// Whether the bytes are UTF-8 throughout: ASCII or well-formed sequences.
bool IsValidUtf8(std::string_view bytes);

}  // namespace tenukiro
