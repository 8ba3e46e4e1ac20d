#include "storage/history_file.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "storage/cp1251.h"
#include "temp_folder.h"

namespace klondar::storage {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

constexpr HistoryStamp kStamp{2024, 3, 7, 9, 5};

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
  return lines;
}

// The three sums of the first 99 characters, worked out here from their description.
std::array<long, 3> Sums99(const std::string& line) {
  std::array<long, 3> sums{};
  for (std::size_t p = 1; p <= 99; ++p) {
    const long code = static_cast<unsigned char>(line.at(p - 1));
    sums[0] += code;
    if (p % 2 == 0) sums[1] += code;
    if (p % 3 == 0) sums[2] += code;
  }
  return sums;
}

std::string Digits(long value, int width) {
  std::string text = std::to_string(value);
  return std::string(static_cast<std::size_t>(width) - text.size(), '0') + text;
}

HistoryAppend Append(const std::filesystem::path& folder, const HistoryEntry& entry) {
  return AppendHistory(folder, std::span<const HistoryEntry>(&entry, 1), kStamp);
}

// A valid history file of `records` records, written without AppendHistory.
std::string FileOf(int records) {
  std::vector<std::string> lines;
  for (int i = 0; i < records; ++i) {
    lines.push_back(
        FormatHistoryRecord(HistoryEntry{"P" + std::to_string(i), 1, i, 0, {}}, kStamp));
  }
  lines.push_back(HistoryGameLine());
  lines.push_back(HistoryTotalsLine(lines));
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

TEST(HistoryFile, TheFirstGameCreatesFileOneWithThreeLines) {
  testing::TempFolder program;
  const HistoryAppend append = Append(program.path(), HistoryEntry{"Вася", 1, -32, 8.22, {}});
  ASSERT_TRUE(append.ok) << append.reason;
  EXPECT_EQ(append.fileNumber, 1);
  const auto file = program / "History" / "Klondar2_I0001.hst";
  const std::vector<std::string> lines = SplitCrLf(ReadBytes(file));
  ASSERT_EQ(lines.size(), 3u);

  const std::string data = "09:0507.03.2024" + Utf8ToCp1251("Вася") + std::string(47, ' ') +
                           "  1       -32      8,22L#########";
  ASSERT_EQ(lines[0].size(), 114u);
  EXPECT_EQ(lines[0].substr(0, 99), data);
  EXPECT_EQ(lines[1].substr(0, 99), "$\x89}" + std::string(96, '#'));
  std::array<long, 3> total{};
  for (int i = 0; i < 2; ++i) {
    const std::array<long, 3> sums = Sums99(lines[i]);
    EXPECT_EQ(lines[i].substr(99), Digits(sums[0], 5) + Digits(sums[1], 5) + Digits(sums[2], 5));
    for (int k = 0; k < 3; ++k) total[k] += sums[k];
  }
  EXPECT_EQ(lines[2], Digits(total[0], 10) + Digits(total[1], 10) + Digits(total[2], 10));

  const HistoryCheck check = CheckHistoryFile(file);
  ASSERT_TRUE(check.valid) << check.problem;
  ASSERT_EQ(check.rows.size(), 1u);
  const HistoryRow& row = check.rows[0];
  EXPECT_EQ(row.time, "09:05");
  EXPECT_EQ(row.date, "07.03.2024");
  EXPECT_EQ(row.name, "Вася");
  EXPECT_EQ(row.games, "1");
  EXPECT_EQ(row.result, "-32");
  EXPECT_EQ(row.rating, "8,22");
  EXPECT_EQ(row.kind, HistoryKind::kLocal);
  EXPECT_EQ(HistoryFileVerdict(file).text, "intact");
}

TEST(HistoryFile, RecordColumns) {
  const struct {
    HistoryEntry entry;
    std::size_t from, width;
    std::string expected;
  } cases[] = {
      {{"x", 1, 0, 0.5, {}}, 79, 10, "      0,50"},
      {{"x", 1, 0, 0.05, {}}, 79, 10, "      0,05"},
      {{"x", 1, 0, 12, {}}, 79, 10, "     12,00"},
      {{"x", 1, 0, -0.004, {}}, 79, 10, "      0,00"},
      {{"x", 1, 0, -3.456, {}}, 79, 10, "     -3,46"},
      {{"x", 1, 0, 1e12, {}}, 79, 10, "9999999,99"},
      {{std::string(60, 'n'), 1, 0, 0, {}}, 15, 53, std::string(51, 'n') + "  "},
      {{"a\r\nb", 1, 0, 0, {}}, 15, 4, "a  b"},
      {{"x", 1000, 0, 0, {}}, 66, 3, "999"},
      {{"x", 1, INT32_MIN, 0, {}}, 69, 10, "-999999999"},
      {{"x", 1, INT32_MAX, 0, {}}, 69, 10, "2147483647"},
      {{"x", 1, 0, 0, HistoryKind::kAccount}, 89, 10, "A#########"},
      {{"x", 1, 0, 0, HistoryKind::kTournament}, 89, 10, "T#########"},
      {{"x", 1, 0, 0, HistoryKind::kNetwork}, 89, 10, "N#########"},
  };
  for (const auto& c : cases) {
    const std::string line = FormatHistoryRecord(c.entry, kStamp);
    ASSERT_EQ(line.size(), 114u);
    EXPECT_EQ(line.substr(c.from, c.width), c.expected) << c.expected;
    ASSERT_TRUE(ParseHistoryRecord(line)) << c.expected;
  }
}

TEST(HistoryFile, AFullFileRollsOverToTheNextNumber) {
  testing::TempFolder program;
  std::filesystem::create_directory(program / "History");
  const auto first = program / "History" / "Klondar2_I0001.hst";
  WriteBytes(first, FileOf(839));
  ASSERT_TRUE(CheckHistoryFile(first).valid);

  EXPECT_EQ(Append(program.path(), HistoryEntry{"Ivan", 1, 5, 0, {}}).fileNumber, 1);
  EXPECT_EQ(CheckHistoryFile(first).rows.size(), 840u);
  const std::string full = ReadBytes(first);
  EXPECT_EQ(Append(program.path(), HistoryEntry{"Ivan", 1, 6, 0, {}}).fileNumber, 2);
  EXPECT_EQ(ReadBytes(first), full);
  const HistoryCheck second = CheckHistoryFile(program / "History" / "Klondar2_I0002.hst");
  ASSERT_TRUE(second.valid);
  EXPECT_EQ(second.rows.size(), 1u);
  EXPECT_EQ(second.rows[0].result, "6");

  // Four entries never overfill a file: 838 + 4 would be 842.
  WriteBytes(first, FileOf(838));
  const std::vector<HistoryEntry> four(4, HistoryEntry{"Ivan", 1, 7, 0, {}});
  EXPECT_EQ(AppendHistory(program.path(), four, kStamp).fileNumber, 2);
  EXPECT_EQ(CheckHistoryFile(first).rows.size(), 838u);
  EXPECT_EQ(CheckHistoryFile(program / "History" / "Klondar2_I0002.hst").rows.size(), 5u);
  EXPECT_FALSE(AppendHistory(program.path(), {}, kStamp).ok);
}

TEST(HistoryFile, AnEditedFileIsInvalid) {
  const std::string good = FileOf(3);
  ASSERT_TRUE(ParseHistoryText(good).valid);
  const std::size_t line2 = 116;
  const struct {
    const char* what;
    std::function<void(std::string&)> edit;
  } cases[] = {
      {"a changed name", [&](std::string& f) { f[line2 + 20] = 'Q'; }},
      {"a changed result", [&](std::string& f) { f[line2 + 78] = '9'; }},
      {"a changed check sum", [&](std::string& f) { f[line2 + 100] ^= 1; }},
      {"a changed total", [](std::string& f) { f[f.size() - 3] ^= 1; }},
      {"a record cut short", [&](std::string& f) { f.erase(line2 + 110, 1); }},
      {"no totals line", [](std::string& f) { f.resize(f.size() - 32); }},
      {"no game line", [](std::string& f) { f.resize(3 * 116); }},
      {"text after the totals", [](std::string& f) { f += "x\r\n"; }},
      {"a changed game mark", [&](std::string& f) { f[3 * 116 + 1] = '\x8A'; }},
  };
  for (const auto& c : cases) {
    std::string file = good;
    c.edit(file);
    const HistoryCheck check = ParseHistoryText(file);
    EXPECT_FALSE(check.valid) << c.what;
    EXPECT_FALSE(check.problem.empty()) << c.what;
  }
  testing::TempFolder folder;
  EXPECT_TRUE(CheckHistoryFile(folder / "none.hst").missing);
  EXPECT_EQ(HistoryFileVerdict(folder / "none.hst").text, "missing");
  std::string edited = good;
  edited[20] = 'Q';
  WriteBytes(folder / "edited.hst", edited);
  EXPECT_EQ(HistoryFileVerdict(folder / "edited.hst").text,
            "damaged: line 1 is not an intact record");
}

TEST(HistoryFile, TheNextGameDoesNotThrowADamagedFileAway) {
  testing::TempFolder program;
  std::filesystem::create_directory(program / "History");
  const auto first = program / "History" / "Klondar2_I0001.hst";
  std::string damaged = FileOf(500);
  damaged[30] = 'Q';
  WriteBytes(first, damaged);
  WriteBytes(program / "History" / "Klondar2_I0001.hst.damaged", "an older one");

  const HistoryAppend append = Append(program.path(), HistoryEntry{"Ivan", 1, 5, 0, {}});
  ASSERT_TRUE(append.ok) << append.reason;
  EXPECT_EQ(append.fileNumber, 1);
  EXPECT_EQ(CheckHistoryFile(first).rows.size(), 1u) << "started afresh";
  EXPECT_EQ(ReadBytes(program / "History" / "Klondar2_I0001.hst.damaged-2"), damaged);
  EXPECT_EQ(ReadBytes(program / "History" / "Klondar2_I0001.hst.damaged"), "an older one");
}

}  // namespace
}  // namespace klondar::storage
