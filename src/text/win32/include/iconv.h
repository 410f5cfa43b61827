#pragma once

// The iconv calls the record text decoder makes, on Windows's own code pages (the C library
// there has no iconv). Only conversions into UTF-32LE are known.
#include <cstddef>

using iconv_t = void*;

iconv_t iconv_open(const char* to, const char* from);
std::size_t iconv(iconv_t cd, char** in, std::size_t* inLeft, char** out, std::size_t* outLeft);
int iconv_close(iconv_t cd);
