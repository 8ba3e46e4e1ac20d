// The lines of a history file. Each of the first two kinds is 99 characters of data and 15
// of check sum (S1, S2, S3 of those 99 characters, 5 digits each):
//   a record  time (5), date (10), name (51), games (3), result (10), rating (10), kind (10)
//   the game line  "$", the character of code 137 (game code 37 + 100), "}", "#" to 99
// and last the totals line: the sums of the three check sum columns of all lines above, 10
// digits each.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klondar::storage {

inline constexpr std::size_t kHistoryLineWidth = 114;
inline constexpr std::size_t kHistoryDataWidth = 99;

enum class HistoryKind : std::uint8_t { kLocal = 0, kAccount = 1, kTournament = 2, kNetwork = 3 };

struct HistoryEntry {
  std::string name;  // UTF-8; the file keeps the first 51 characters
  std::int32_t games = 1;
  std::int32_t result = 0;
  double rating = 0.0;
  HistoryKind kind = HistoryKind::kLocal;
};

// When the game ended, in local time.
struct HistoryStamp {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
};

// A record as the viewer shows it: the fields cut from their columns, trimmed, in UTF-8.
struct HistoryRow {
  std::string time;
  std::string date;
  std::string name;
  std::string games;
  std::string result;
  std::string rating;
  HistoryKind kind = HistoryKind::kLocal;
};

// The date is written "dd.mm.yyyy"; a kind outside the four is written as local. Numbers
// too wide for their columns are limited to what the columns hold (games -99..999, results
// from -999999999, ratings to two decimals within -999999.99..9999999.99), so that no field
// can push the ones after it out of place.
std::string FormatHistoryRecord(const HistoryEntry& entry, const HistoryStamp& stamp);
std::string HistoryGameLine();
std::string HistoryTotalsLine(const std::vector<std::string>& lines);

// The row of a record line whose check sum is right and whose kind column is one of ours.
std::optional<HistoryRow> ParseHistoryRecord(std::string_view line);
// The check sum columns hold the sums of the line's data.
bool HistoryLineSumsMatch(std::string_view line);

}  // namespace klondar::storage
