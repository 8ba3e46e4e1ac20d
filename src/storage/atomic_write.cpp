#include "storage/atomic_write.h"

#include <cstdio>
#include <random>
#include <system_error>

namespace klondar::storage {
namespace fs = std::filesystem;

namespace {

constexpr fs::perms kAnyWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

WriteResult Failed(std::string reason) { return WriteResult{false, std::move(reason)}; }

// Opens a fresh file beside `file` that did not exist before ("x": never reuse one).
std::FILE* CreateBeside(const fs::path& file, fs::path& created) {
  std::random_device entropy;
  for (int attempt = 0; attempt < 8; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(entropy()));
    fs::path candidate = file;
    candidate += suffix;
    if (std::FILE* out = std::fopen(candidate.c_str(), "wbx")) {
      created = candidate;
      return out;
    }
    std::error_code ec;
    if (!fs::exists(candidate, ec)) break;  // not a clash: the folder refuses new files
  }
  return nullptr;
}

}  // namespace

bool IsMarkedReadOnly(const fs::path& file) {
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  return !ec && fs::exists(status) && (status.permissions() & kAnyWrite) == fs::perms::none;
}

WriteResult ReplaceFile(const fs::path& file, std::string_view bytes) {
  std::error_code ec;
  const fs::file_status old = fs::status(file, ec);
  const bool oldExists = !ec && fs::exists(old);
  if (oldExists && !fs::is_regular_file(old)) return Failed("not a regular file");
  if (oldExists && (old.permissions() & kAnyWrite) == fs::perms::none) {
    return Failed("the file is read-only");
  }

  fs::path temporary;
  std::FILE* out = CreateBeside(file, temporary);
  if (out == nullptr) return Failed("cannot create a file in its folder");
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
  const bool closed = std::fclose(out) == 0;
  if (!written || !closed) {
    fs::remove(temporary, ec);
    return Failed("cannot write the new contents (disk full?)");
  }
  if (oldExists) fs::permissions(temporary, old.permissions(), ec);
  fs::rename(temporary, file, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return Failed("cannot put the new file in place");
  }
  return WriteResult{true, {}};
}

}  // namespace klondar::storage
