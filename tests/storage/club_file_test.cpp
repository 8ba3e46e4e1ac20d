#include "storage/club_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "storage/club_updates.h"
#include "temp_folder.h"

namespace klondar::storage {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
  return lines;
}

// The control line's sums worked out here from their description, not by the program.
std::string Sums583(const std::vector<std::string>& lines) {
  std::string joined;
  for (int i = 0; i < 16; ++i) joined += lines[i];
  long s1 = 0, s2 = 0, s3 = 0;
  for (std::size_t p = 1; p <= 583; ++p) {
    const long code = static_cast<unsigned char>(joined.at(p - 1));
    s1 += code;
    if (p % 2 == 0) s2 += code;
    if (p % 3 == 0) s3 += code;
  }
  char out[64];
  std::snprintf(out, sizeof out, "%06ld%06ld%06ld", s1, s2, s3);
  return out;
}

// 17 lines with a control line whose sums are right for lines 1..16, whatever they hold.
std::string Signed(std::vector<std::string> lines) {
  lines[16] = lines[16].substr(0, 10) + Sums583(lines);
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

ClubFile SampleClub() {
  ClubFile club = FreshClubFile();
  club.members[0] = ClubMember{"Ivan", 3.5, 40, 120, "abc"};
  club.members[1] = ClubMember{"Мария", 1.25, 7, -30, "12345"};
  club.members[2] = ClubMember{"Bob", -0.75, 3, 0, ""};
  int score = 500;
  for (TopTenEntry& entry : club.topTen) {
    entry = TopTenEntry{"Champion " + std::to_string(score), score};
    score -= 50;
  }
  return club;
}

TEST(ClubFile, AFreshInstallationGetsAnIntactFile) {
  testing::TempFolder folder;
  const auto file = folder / "Klondar2.clb";
  ASSERT_TRUE(InstallClubFile(file).ok);
  const std::string bytes = ReadBytes(file);
  const std::vector<std::string> lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), 17u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(lines[i], kEmptyMemberPlace);
  for (int i = 5; i < 15; ++i) EXPECT_EQ(lines[i].size(), 26u);
  EXPECT_EQ(lines[15].size(), 28u);
  ASSERT_EQ(lines[16].size(), 28u);
  EXPECT_EQ(lines[16].substr(0, 2), "\x89}");
  EXPECT_EQ(lines[16].substr(10), Sums583(lines));

  const ClubCheck check = CheckClubFile(file);
  EXPECT_EQ(check.message, ClubMessage::kNone);
  EXPECT_TRUE(check.intact);
  EXPECT_TRUE(check.writable);
  EXPECT_EQ(check.distributionTag, "DEB");
  EXPECT_EQ(ClubFileVerdict(file).text, "intact");

  // An existing club is never replaced by a fresh one.
  ASSERT_EQ(StoreGameResult(file, ClubMember{"Ivan", 2, 1, 40, "a"}, kNewPlayerPlace).status,
            ClubUpdateStatus::kDone);
  const std::string stored = ReadBytes(file);
  EXPECT_FALSE(InstallClubFile(file).ok);
  EXPECT_EQ(ReadBytes(file), stored);
}

TEST(ClubFile, ReadsBackWhatItWrites) {
  const std::string bytes = FormatClubFile(SampleClub());
  EXPECT_EQ(SplitCrLf(bytes)[16].substr(10), Sums583(SplitCrLf(bytes)));
  const ClubParse parse = ParseClubFile(bytes);
  ASSERT_TRUE(parse.club) << parse.problem;
  EXPECT_EQ(parse.club->members[1]->name, "Мария");
  EXPECT_EQ(parse.club->members[1]->password, "12345");
  EXPECT_FALSE(parse.club->members[3]);
  EXPECT_EQ(parse.club->topTen[9].score, 50);
  EXPECT_EQ(FormatClubFile(*parse.club), bytes);
}

TEST(ClubFile, AnyChangedCharacterMakesItTheIncorrectFile) {
  const std::string bytes = FormatClubFile(SampleClub());
  int covered = 0;
  for (std::size_t i = 0; i < bytes.size() && covered < 583; ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') continue;
    ++covered;
    std::string changed = bytes;
    changed[i] = changed[i] == 'A' ? 'B' : 'A';
    EXPECT_FALSE(ParseClubFile(changed).club) << "character " << covered;
  }
  EXPECT_EQ(covered, 583);
  const std::size_t control = bytes.size() - 30;
  for (const std::size_t at : {control, control + 1, control + 10, control + 27}) {
    std::string changed = bytes;
    changed[at] = changed[at] == '0' ? '1' : '0';
    EXPECT_FALSE(ParseClubFile(changed).club) << "control character " << at - control + 1;
  }

  testing::TempFolder folder;
  std::string changed = bytes;
  changed[3] = '#';
  WriteBytes(folder / "Klondar2.clb", changed);
  const ClubCheck check = CheckClubFile(folder / "Klondar2.clb");
  EXPECT_EQ(check.message, ClubMessage::kIncorrectFile);
  EXPECT_FALSE(check.intact);
  EXPECT_EQ(ClubFileVerdict(folder / "Klondar2.clb").text, "damaged: the check sums do not match");
}

TEST(ClubFile, RightSumsDoNotMakeAFileOfAnyShapeIntact) {
  const std::vector<std::string> good = SplitCrLf(FormatClubFile(SampleClub()));
  ASSERT_TRUE(ParseClubFile(Signed(good)).club);
  const struct {
    const char* what;
    std::function<std::string()> file;
  } cases[] = {
      {"a line after line 17", [&] { return Signed(good) + "\r\n"; }},
      {"16 lines",
       [&] {
         const std::string out = Signed(good);
         return out.substr(out.find("\r\n") + 2);
       }},
      {"a rating that is no number",
       [&] {
         auto l = good;
         l[1].replace(20, 10, "   abc,def");
         return Signed(l);
       }},
      {"a top-ten score that is no number",
       [&] {
         auto l = good;
         l[7].replace(20, 6, "  12x4");
         return Signed(l);
       }},
      {"a member line of 58 characters and a longer filler",
       [&] {
         auto l = good;
         l[2].pop_back();
         l[15] += "#";
         return Signed(l);
       }},
      {"another game's mark",
       [&] {
         auto l = good;
         l[16][0] = '\x8A';
         return Signed(l);
       }},
      {"a short control line",
       [&] {
         const std::string out = Signed(good);
         return out.substr(0, out.size() - 3) + "\r\n";
       }},
  };
  for (const auto& c : cases) {
    const ClubParse parse = ParseClubFile(c.file());
    EXPECT_FALSE(parse.club) << c.what;
    EXPECT_FALSE(parse.problem.empty()) << c.what;
  }

  testing::TempFolder folder;
  EXPECT_EQ(CheckClubFile(folder / "Klondar2.net").message, ClubMessage::kCantFindFile);
  EXPECT_EQ(ClubFileVerdict(folder / "Klondar2.net").text, "missing");
  std::filesystem::create_directory(folder / "Klondar2.clb");
  EXPECT_EQ(CheckClubFile(folder / "Klondar2.clb").message, ClubMessage::kIncorrectFile);
}

}  // namespace
}  // namespace klondar::storage
