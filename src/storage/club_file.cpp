#include "storage/club_file.h"

#include <vector>

#include "storage/cp1251.h"
#include "storage/file_read.h"
#include "storage/fixed_text.h"
#include "storage/position_sums.h"

namespace klondar::storage {
namespace {

constexpr int kClubLines = 17;
constexpr std::size_t kCoveredChars = 583;
constexpr std::size_t kControlWidth = 28;
constexpr char kGameMark = '\x89';  // game code 37 + 100
constexpr std::size_t kMaxClubBytes = 64 * 1024;

constexpr std::string_view kFreshFiller = "<# Klondar club records ###>";
constexpr std::string_view kFreshInstallation = "####DEB#";

std::string Sums(const std::vector<std::string>& lines) {
  std::string covered;
  for (int i = 0; i < kClubLines - 1; ++i) covered += lines[i];
  const PositionSums sums = SumPositions(std::string_view(covered).substr(0, kCoveredChars));
  return ZeroPadded(sums.all, 6) + ZeroPadded(sums.even, 6) + ZeroPadded(sums.third, 6);
}

std::vector<std::string> Lines(const ClubFile& club) {
  std::vector<std::string> lines;
  for (const std::optional<ClubMember>& member : club.members) {
    lines.push_back(member ? FormatMemberRecord(*member) : std::string(kEmptyMemberPlace));
  }
  for (const TopTenEntry& entry : club.topTen) lines.push_back(FormatTopTenEntry(entry));
  lines.push_back(club.filler);
  lines.push_back(std::string{kGameMark, '}'} + PadRight(club.installation, 8));
  return lines;
}

ClubParse Problem(std::string text) { return ClubParse{std::nullopt, false, std::move(text)}; }

}  // namespace

std::string ClubFile::DistributionTag() const {
  return Cp1251ToUtf8(PadRight(installation, 8).substr(4, 3));
}

ClubFile FreshClubFile() {
  ClubFile club;
  for (TopTenEntry& entry : club.topTen) entry = TopTenEntry{"###", 0};
  club.filler = std::string(kFreshFiller);
  club.installation = std::string(kFreshInstallation);
  return club;
}

std::string FormatClubFile(const ClubFile& club) {
  std::vector<std::string> lines = Lines(club);
  lines.back() += Sums(lines);
  return JoinCrLf(lines);
}

ClubParse ParseClubFile(std::string_view bytes) {
  const std::vector<std::string_view> views = SplitLines(bytes);
  if (views.size() != kClubLines) {
    return Problem(std::to_string(views.size()) + " lines instead of 17");
  }
  const std::vector<std::string> lines(views.begin(), views.end());
  const std::string& control = lines[kClubLines - 1];
  if (control.size() != kControlWidth) return Problem("the control line is not 28 characters");
  if (control[0] != kGameMark || control[1] != '}') {
    return Problem("the control line is not of this game");
  }
  std::size_t covered = 0;
  for (int i = 0; i < kClubLines - 1; ++i) covered += lines[i].size();
  if (covered < kCoveredChars) return Problem("lines 1..16 are too short");
  if (control.substr(10) != Sums(lines)) return Problem("the check sums do not match");

  ClubFile club;
  for (int i = 0; i < kClubPlaces; ++i) {
    if (lines[i] == kEmptyMemberPlace) continue;
    club.members[i] = ParseMemberRecord(lines[i]);
    if (!club.members[i]) return Problem("line " + std::to_string(i + 1) + " is not a member");
  }
  for (int i = 0; i < kTopTenPlaces; ++i) {
    const std::optional<TopTenEntry> entry = ParseTopTenEntry(lines[kClubPlaces + i]);
    if (!entry) {
      return Problem("line " + std::to_string(kClubPlaces + i + 1) + " is not a top-ten entry");
    }
    club.topTen[i] = *entry;
  }
  club.filler = lines[kClubLines - 2];
  club.installation = control.substr(2, 8);
  return ClubParse{club, false, {}};
}

ClubParse ReadClubFile(const std::filesystem::path& file) {
  const FileBytes read = ReadSmallFile(file, kMaxClubBytes);
  switch (read.status) {
    case ReadStatus::kRead:
      return ParseClubFile(read.bytes);
    case ReadStatus::kMissing:
      return ClubParse{std::nullopt, true, "missing"};
    case ReadStatus::kUnreadable:
      return Problem("cannot be read");
    case ReadStatus::kTooLarge:
      return Problem("far too large for a club file");
  }
  return Problem("cannot be read");
}

ClubCheck CheckClubFile(const std::filesystem::path& file) {
  ClubCheck check;
  const ClubParse parse = ReadClubFile(file);
  if (!parse.club) {
    check.message = parse.missing ? ClubMessage::kCantFindFile : ClubMessage::kIncorrectFile;
    check.problem = parse.problem;
    return check;
  }
  check.intact = true;
  check.distributionTag = parse.club->DistributionTag();
  check.writable = !IsMarkedReadOnly(file);
  if (!check.writable) check.message = ClubMessage::kIncorrectAttributes;
  return check;
}

FileVerdict ClubFileVerdict(const std::filesystem::path& file) {
  const ClubParse parse = ReadClubFile(file);
  if (parse.club) return FileVerdict{true, "intact"};
  if (parse.missing) return FileVerdict{false, "missing"};
  return FileVerdict{false, "damaged: " + parse.problem};
}

WriteResult InstallClubFile(const std::filesystem::path& file) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  if (ec) return WriteResult{false, "cannot look into the folder"};
  if (exists) return WriteResult{false, "the file exists"};
  return ReplaceFile(file, FormatClubFile(FreshClubFile()));
}

}  // namespace klondar::storage
