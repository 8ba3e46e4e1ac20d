// The club files "Klondar2.clb" (games against the computer) and "Klondar2.net" (network
// games): 17 lines of cp1251 text ended by CR LF, protected by three check sums.
//
//   1..5    member records, best rating first, or the empty place
//   6..15   the top ten of cycle totals, best first
//   16      a filler line that comes with the installation
//   17      the control line: the character of code 137 (game code 37 + 100), "}",
//           4 installation characters, the 3-letter distribution tag, 1 installation
//           character, then S1, S2, S3 in 6 digits each over the first 583 characters
//           of lines 1..16 joined without line breaks
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "storage/atomic_write.h"
#include "storage/club_records.h"
#include "storage/file_verdict.h"

namespace klondar::storage {

inline constexpr std::string_view kLocalClubFileName = "Klondar2.clb";
inline constexpr std::string_view kNetworkClubFileName = "Klondar2.net";
inline constexpr int kClubPlaces = 5;
inline constexpr int kTopTenPlaces = 10;

struct ClubFile {
  std::array<std::optional<ClubMember>, kClubPlaces> members;  // nothing: an empty place
  std::array<TopTenEntry, kTopTenPlaces> topTen;
  std::string filler;  // line 16, cp1251, kept as it came
  // Characters 3..10 of the control line, cp1251, kept as they came: 4 of the installation,
  // the distribution tag, 1 more.
  std::string installation;

  std::string DistributionTag() const;  // UTF-8
};

// The club of a new installation: no members, a top ten of "###" with 0, our filler and
// distribution tag.
ClubFile FreshClubFile();

// The 17 lines with the check sums of their contents.
std::string FormatClubFile(const ClubFile& club);

struct ClubParse {
  std::optional<ClubFile> club;  // when the text is an intact club file
  bool missing = false;          // there was no file to read
  std::string problem;           // what is wrong, in a few words, when there is no club
};

// Intact means: 17 lines, the control line's first two characters and check sums right,
// and every line of the form the program writes.
ClubParse ParseClubFile(std::string_view bytes);

// Reads and parses a club file.
ClubParse ReadClubFile(const std::filesystem::path& file);

// What the start-up check found; the caller shows the message with the file name, in the
// user's language, and ends the program on the first two.
enum class ClubMessage {
  kNone,
  kCantFindFile,         // "Can`t find the file" "name"!
  kIncorrectFile,        // "The incorrect file" "name"!
  kIncorrectAttributes,  // "The file "name" has incorrect attributes! ..."
};

struct ClubCheck {
  ClubMessage message = ClubMessage::kNone;
  bool intact = false;    // the file exists and its check sums match
  bool writable = false;  // false: leave the file alone during this run
  std::string distributionTag;
  std::string problem;  // when not intact
};

ClubCheck CheckClubFile(const std::filesystem::path& file);

// "intact", "missing", or "damaged: " and what is wrong.
FileVerdict ClubFileVerdict(const std::filesystem::path& file);

// Writes a fresh club file when there is none; an existing file is never replaced.
WriteResult InstallClubFile(const std::filesystem::path& file);

}  // namespace klondar::storage
