#include "storage/file_read.h"

#include <fstream>
#include <system_error>

namespace klondar::storage {
namespace fs = std::filesystem;

FileBytes ReadSmallFile(const fs::path& file, std::size_t maxBytes) {
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (!fs::exists(status)) return {ReadStatus::kMissing, {}};
  if (!fs::is_regular_file(status)) return {ReadStatus::kUnreadable, {}};
  std::ifstream in(file, std::ios::binary);
  if (!in) return {ReadStatus::kUnreadable, {}};
  FileBytes result{ReadStatus::kRead, std::string(maxBytes + 1, '\0')};
  in.read(result.bytes.data(), static_cast<std::streamsize>(result.bytes.size()));
  if (in.bad()) return {ReadStatus::kUnreadable, {}};
  const auto count = static_cast<std::size_t>(in.gcount());
  if (count > maxBytes) return {ReadStatus::kTooLarge, {}};
  result.bytes.resize(count);
  return result;
}

}  // namespace klondar::storage
