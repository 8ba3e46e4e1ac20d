// Files damaged at random are refused or read, never crash the readers (run under the
// sanitizers too), and whatever a reader accepts is a file the program itself writes.
#include <gtest/gtest.h>

#include <random>

#include "storage/club_file.h"
#include "storage/fixed_text.h"
#include "storage/history_file.h"
#include "storage/settings_file.h"

namespace klondar::storage {
namespace {

std::string Damaged(std::string text, std::mt19937& random) {
  constexpr std::string_view kTelling = "\r\n$#,-0 9\x89}";  // characters the formats use
  const int edits = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < edits && !text.empty(); ++i) {
    const std::size_t at = random() % text.size();
    switch (random() % 5) {
      case 0:
        text[at] = static_cast<char>(random() % 256);
        break;
      case 1:
        text.erase(at, 1 + random() % 40);
        break;
      case 2:
        text.insert(at, 1, kTelling[random() % kTelling.size()]);
        break;
      case 3:
        text.resize(at);
        break;
      default:
        text[at] = static_cast<char>(text[at] ^ (1 << (random() % 8)));
        break;
    }
  }
  return text;
}

std::vector<std::string> LinesOf(std::string_view text) {
  const std::vector<std::string_view> views = SplitLines(text);
  return {views.begin(), views.end()};
}

TEST(DamagedInput, SettingsFallBackToDefaults) {
  Settings s;
  s.playerName = "Вася";
  s.accountPassword = "pw";
  const std::string good = FormatSettings(s);
  std::mt19937 random(11);
  for (int i = 0; i < 3000; ++i) {
    const LoadedSettings loaded = ReadSettingsText(Damaged(good, random));
    ASSERT_GE(loaded.stopLine, 0);
    ASSERT_LE(loaded.stopLine, kSettingsLines);
    // Whatever was taken is written back in a form that reads to the end.
    ASSERT_EQ(ReadSettingsText(FormatSettings(loaded.settings)).stopLine, 0);
  }
}

TEST(DamagedInput, ClubFilesAreRefusedOrExactlyOurs) {
  ClubFile club = FreshClubFile();
  club.members[0] = ClubMember{"Ivan", 1.5, 7, 30, "pw"};
  club.members[1] = ClubMember{"Мария", -2.25, 70, -300, "12345"};
  const std::string good = FormatClubFile(club);
  std::mt19937 random(12);
  int accepted = 0;
  for (int i = 0; i < 3000; ++i) {
    const std::string damaged = Damaged(good, random);
    const ClubParse parse = ParseClubFile(damaged);
    if (!parse.club) {
      ASSERT_FALSE(parse.problem.empty());
      continue;
    }
    ++accepted;
    ASSERT_EQ(LinesOf(FormatClubFile(*parse.club)), LinesOf(damaged));
  }
  EXPECT_LT(accepted, 300) << "nearly every damage is caught";
}

TEST(DamagedInput, HistoryFilesAreRefusedOrExactlyOurs) {
  std::vector<std::string> lines;
  for (int i = 0; i < 5; ++i) {
    lines.push_back(FormatHistoryRecord(HistoryEntry{"Ivan/Олег", 1, i * 7 - 10, 0.5 * i, {}},
                                        HistoryStamp{2024, 1, 2, 3, 4}));
  }
  lines.push_back(HistoryGameLine());
  lines.push_back(HistoryTotalsLine(lines));
  const std::string good = JoinCrLf(lines);
  std::mt19937 random(13);
  for (int i = 0; i < 3000; ++i) {
    const std::string damaged = Damaged(good, random);
    const HistoryCheck check = ParseHistoryText(damaged);
    if (!check.valid) {
      ASSERT_FALSE(check.problem.empty());
      continue;
    }
    const std::vector<std::string> read = LinesOf(damaged);
    ASSERT_EQ(read.size(), check.rows.size() + 2);
    for (std::size_t k = 0; k < check.rows.size(); ++k) ASSERT_TRUE(HistoryLineSumsMatch(read[k]));
  }
}

}  // namespace
}  // namespace klondar::storage
