// Rewriting a file without ever leaving a half-written one behind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace klondar::storage {

struct WriteResult {
  bool ok = false;
  std::string reason;  // why not, in a few words; empty when ok
};

// True when `file` exists and its permission bits let nobody write it: its owner marked it
// read-only. Judged from the bits alone, so the answer is the same whoever runs the program.
bool IsMarkedReadOnly(const std::filesystem::path& file);

// Replaces `file` by `bytes`: writes a new file beside it (same folder), and renames it over
// the old one only once every byte has been written and the new file closed. Any failure
// (no folder, a full disk, a write refused) removes the new file and leaves the old one as it
// was. A file marked read-only is not replaced. The new file keeps the old one's permissions.
WriteResult ReplaceFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace klondar::storage
