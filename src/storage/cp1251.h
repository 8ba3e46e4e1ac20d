// Windows-1251 <-> UTF-8 for the names and texts of the file formats. Files keep the cp1251
// bytes; the rest of the program works in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace klondar::storage {

// Every one of the 256 byte values has a character, so ToUtf8 followed by ToCp1251 gives
// back the same bytes. (0x98, unassigned in the code page, travels as U+0098.)
std::string Cp1251ToUtf8(std::string_view cp1251);

// A character the code page lacks, and every byte of a malformed UTF-8 sequence, becomes
// '?'.
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace klondar::storage
