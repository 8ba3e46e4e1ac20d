#include "storage/history_file.h"

#include <system_error>

#include "storage/atomic_write.h"
#include "storage/file_read.h"
#include "storage/fixed_text.h"

namespace klondar::storage {
namespace fs = std::filesystem;

namespace {

// 840 records of 116 bytes make about 98 KB; a file far larger is not one of ours.
constexpr std::size_t kMaxHistoryBytes = 1024 * 1024;

HistoryCheck Problem(std::string text) {
  HistoryCheck check;
  check.problem = std::move(text);
  return check;
}

// Moves a damaged file out of the way under a name no other file has.
bool SetAside(const fs::path& file) {
  for (int attempt = 1; attempt <= 1000; ++attempt) {
    fs::path aside = file;
    aside += attempt == 1 ? ".damaged" : ".damaged-" + std::to_string(attempt);
    std::error_code ec;
    const bool taken = fs::exists(fs::symlink_status(aside, ec));
    if (ec && ec != std::errc::no_such_file_or_directory) return false;
    if (taken) continue;
    fs::rename(file, aside, ec);
    return !ec;
  }
  return false;
}

HistoryAppend Failed(int number, std::string reason) {
  return HistoryAppend{false, number, std::move(reason)};
}

}  // namespace

fs::path HistoryFilePath(const fs::path& programFolder, int number) {
  return programFolder / kHistoryFolderName / ("Klondar2_I" + ZeroPadded(number, 4) + ".hst");
}

HistoryCheck ParseHistoryText(std::string_view bytes) {
  const std::vector<std::string_view> lines = SplitLines(bytes);
  HistoryCheck check;
  std::size_t i = 0;
  for (; i < lines.size() && !lines[i].starts_with('$'); ++i) {
    std::optional<HistoryRow> row = ParseHistoryRecord(lines[i]);
    if (!row) return Problem("line " + std::to_string(i + 1) + " is not an intact record");
    check.rows.push_back(std::move(*row));
  }
  if (i == lines.size()) return Problem("no game line");
  if (lines[i] != HistoryGameLine()) return Problem("the game line is damaged");
  if (i + 1 == lines.size()) return Problem("no totals line");
  if (i + 2 != lines.size()) return Problem("text after the totals line");
  const std::vector<std::string> summed(lines.begin(), lines.begin() + static_cast<long>(i) + 1);
  if (lines[i + 1] != HistoryTotalsLine(summed)) return Problem("the totals do not match");
  check.valid = true;
  return check;
}

HistoryCheck CheckHistoryFile(const fs::path& file) {
  const FileBytes read = ReadSmallFile(file, kMaxHistoryBytes);
  switch (read.status) {
    case ReadStatus::kRead:
      break;
    case ReadStatus::kMissing: {
      HistoryCheck check;
      check.missing = true;
      return check;
    }
    case ReadStatus::kUnreadable:
      return Problem("cannot be read");
    case ReadStatus::kTooLarge:
      return Problem("far too large for a history file");
  }
  HistoryCheck check = ParseHistoryText(read.bytes);
  if (check.valid) {
    std::error_code ec;
    check.modified = fs::last_write_time(file, ec);
  }
  return check;
}

FileVerdict HistoryFileVerdict(const fs::path& file) {
  const HistoryCheck check = CheckHistoryFile(file);
  if (check.valid) return FileVerdict{true, "intact"};
  if (check.missing) return FileVerdict{false, "missing"};
  return FileVerdict{false, "damaged: " + check.problem};
}

HistoryAppend AppendHistory(const fs::path& programFolder, std::span<const HistoryEntry> entries,
                            const HistoryStamp& stamp) {
  if (entries.empty() || entries.size() > static_cast<std::size_t>(kHistoryMaxEntries)) {
    return Failed(0, "1 to 4 entries");
  }
  std::error_code ec;
  fs::create_directories(programFolder / kHistoryFolderName, ec);
  if (ec) return Failed(0, "cannot create the History folder");

  for (int number = 1; number <= kHistoryLastFileNumber; ++number) {
    const fs::path file = HistoryFilePath(programFolder, number);
    const FileBytes read = ReadSmallFile(file, kMaxHistoryBytes);
    if (read.status == ReadStatus::kUnreadable) return Failed(number, "cannot read the file");

    std::vector<std::string> lines;
    if (read.status != ReadStatus::kMissing) {
      const HistoryCheck check = ParseHistoryText(read.bytes);  // empty when far too large
      if (check.valid) {
        if (check.rows.size() + entries.size() > static_cast<std::size_t>(kHistoryRecordsPerFile)) {
          continue;
        }
        const std::vector<std::string_view> old = SplitLines(read.bytes);
        lines.assign(old.begin(), old.begin() + static_cast<long>(check.rows.size()));
      } else if (!SetAside(file)) {
        return Failed(number, "cannot set the damaged file aside");
      }
    }
    for (const HistoryEntry& entry : entries) lines.push_back(FormatHistoryRecord(entry, stamp));
    lines.push_back(HistoryGameLine());
    lines.push_back(HistoryTotalsLine(lines));
    const WriteResult written = ReplaceFile(file, JoinCrLf(lines));
    if (!written.ok) return Failed(number, written.reason);
    return HistoryAppend{true, number, {}};
  }
  return Failed(0, "every history file is full");
}

}  // namespace klondar::storage
