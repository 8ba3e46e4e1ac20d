// Reading a whole file of one of the small text formats, with a size limit so that a huge
// or endless file (a device, a mistaken path) is refused instead of read.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace klondar::storage {

enum class ReadStatus { kRead, kMissing, kUnreadable, kTooLarge };

struct FileBytes {
  ReadStatus status = ReadStatus::kMissing;
  std::string bytes;  // the contents when kRead
};

FileBytes ReadSmallFile(const std::filesystem::path& file, std::size_t maxBytes);

}  // namespace klondar::storage
