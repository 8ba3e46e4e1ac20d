#include "storage/history_records.h"

#include <algorithm>

#include "storage/cp1251.h"
#include "storage/fixed_text.h"
#include "storage/position_sums.h"

namespace klondar::storage {
namespace {

constexpr std::string_view kKindLetters = "LATN";  // in the order of HistoryKind

std::string Data(std::string_view line) { return std::string(line.substr(0, kHistoryDataWidth)); }

std::string WithSums(std::string data) {
  const PositionSums sums = SumPositions(data);
  return data + ZeroPadded(sums.all, 5) + ZeroPadded(sums.even, 5) + ZeroPadded(sums.third, 5);
}

std::string Number(std::int64_t value, std::int64_t lo, std::int64_t hi, std::size_t width) {
  return AlignRight(std::to_string(std::clamp(value, lo, hi)), width);
}

std::string Field(std::string_view line, std::size_t from, std::size_t width) {
  return Cp1251ToUtf8(Trim(line.substr(from, width)));
}

}  // namespace

std::string FormatHistoryRecord(const HistoryEntry& e, const HistoryStamp& t) {
  const std::string time = ZeroPadded(t.hour, 2) + ":" + ZeroPadded(t.minute, 2);
  const std::string date =
      ZeroPadded(t.day, 2) + "." + ZeroPadded(t.month, 2) + "." + ZeroPadded(t.year, 4);
  const auto kind = static_cast<std::size_t>(e.kind);
  std::string data =
      AlignRight(time, 5) + AlignRight(date, 10) +
      PadRight(ControlsToSpaces(Utf8ToCp1251(e.name)), 51) + Number(e.games, -99, 999, 3) +
      Number(e.result, -999'999'999, INT32_MAX, 10) +
      AlignRight(FixedComma(ScaleRounded(e.rating, 2, -99'999'999, 999'999'999), 2), 10) +
      (kind < kKindLetters.size() ? kKindLetters[kind] : 'L') + "#########";
  return WithSums(std::move(data));
}

std::string HistoryGameLine() {
  std::string data = "$\x89}";
  data.resize(kHistoryDataWidth, '#');
  return WithSums(std::move(data));
}

std::string HistoryTotalsLine(const std::vector<std::string>& lines) {
  PositionSums total;
  for (const std::string& line : lines) {
    const PositionSums sums = SumPositions(Data(line));
    total.all += sums.all;
    total.even += sums.even;
    total.third += sums.third;
  }
  return ZeroPadded(total.all, 10) + ZeroPadded(total.even, 10) + ZeroPadded(total.third, 10);
}

bool HistoryLineSumsMatch(std::string_view line) {
  return line.size() == kHistoryLineWidth && WithSums(Data(line)) == line;
}

std::optional<HistoryRow> ParseHistoryRecord(std::string_view line) {
  if (!HistoryLineSumsMatch(line) || line.substr(90, 9) != "#########") return std::nullopt;
  const std::size_t kind = kKindLetters.find(line[89]);
  if (kind == std::string_view::npos) return std::nullopt;
  return HistoryRow{
      Field(line, 0, 5),   Field(line, 5, 10),  Field(line, 15, 51),           Field(line, 66, 3),
      Field(line, 69, 10), Field(line, 79, 10), static_cast<HistoryKind>(kind)};
}

}  // namespace klondar::storage
