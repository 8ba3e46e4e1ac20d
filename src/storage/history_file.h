// The game history: files "Klondar2_I0001.hst" .. "Klondar2_I9999.hst" in the folder
// "History" of the program folder, each up to 840 record lines, then the game line and the
// totals line (cp1251, CR LF).
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/file_verdict.h"
#include "storage/history_records.h"

namespace klondar::storage {

inline constexpr std::string_view kHistoryFolderName = "History";
inline constexpr int kHistoryRecordsPerFile = 840;
inline constexpr int kHistoryLastFileNumber = 9999;
inline constexpr int kHistoryMaxEntries = 4;  // one per player of a game

std::filesystem::path HistoryFilePath(const std::filesystem::path& programFolder, int number);

struct HistoryCheck {
  bool valid = false;            // the file exists and every line, check sum and total is right
  bool missing = false;          // there is no such file
  std::string problem;           // what is wrong, when neither valid nor missing
  std::vector<HistoryRow> rows;  // the records of a valid file, in order
  std::filesystem::file_time_type modified{};  // of a valid file
};

// Valid means: record lines, each with a right check sum and kind, then the game line, then
// the totals line matching the sums of the lines above, and nothing after it.
HistoryCheck ParseHistoryText(std::string_view bytes);
HistoryCheck CheckHistoryFile(const std::filesystem::path& file);

// "intact", "missing", or "damaged: " and what is wrong.
FileVerdict HistoryFileVerdict(const std::filesystem::path& file);

struct HistoryAppend {
  bool ok = false;     // false: the caller shows "Cann`t save history!"
  int fileNumber = 0;  // the file the entries went to
  std::string reason;  // when not ok
};

// Appends 1 to 4 entries to the first file, from number 1 on, that is valid and has room
// for all of them, or to the first missing or damaged one, which is started afresh. A
// damaged file is not thrown away: it is renamed to its name + ".damaged" (+ "-2", "-3", ...
// when that exists) first. The file is rewritten through a new file renamed into place, and
// the "History" folder is created when missing.
HistoryAppend AppendHistory(const std::filesystem::path& programFolder,
                            std::span<const HistoryEntry> entries, const HistoryStamp& stamp);

}  // namespace klondar::storage
