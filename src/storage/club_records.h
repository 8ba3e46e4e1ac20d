// The two kinds of line in a club file: the 59-character member record and the 26-character
// top-ten entry, and the member password's encoding.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace klondar::storage {

inline constexpr std::size_t kMemberRecordWidth = 59;
inline constexpr std::size_t kTopTenEntryWidth = 26;
inline constexpr std::size_t kMemberNameWidth = 20;
inline constexpr std::size_t kMemberPasswordLength = 5;
// An empty place among the members.
inline constexpr std::string_view kEmptyMemberPlace =
    "##################################### #####################";

struct ClubMember {
  std::string name;      // UTF-8; the file keeps the first 20 characters
  double rating = 0.0;   // -99.99..99.99, kept to six decimals
  int games = 0;         // 0..9999999
  int runningTotal = 0;  // of the current cycle of 25 games, -99999..999999
  std::string password;  // UTF-8; the file keeps the first 5 characters
};

struct TopTenEntry {
  std::string name;  // UTF-8; the file keeps the first 20 characters
  int score = 0;     // -99999..999999
};

// The rating in millionths as the file holds it: rounded, limited to -99.99..99.99.
std::int64_t RatingMillionths(double rating);

// Name (20), rating with six decimals and a comma (10), games (7), a space, the cycle total
// (6), the encoded password (15). Numbers outside their columns are limited to them, and
// control characters of the name become spaces.
std::string FormatMemberRecord(const ClubMember& member);
// The member of a record in exactly the form FormatMemberRecord gives, else nothing. Trailing
// spaces of the name and the password are padding and are dropped.
std::optional<ClubMember> ParseMemberRecord(std::string_view record);

std::string FormatTopTenEntry(const TopTenEntry& entry);
std::optional<TopTenEntry> ParseTopTenEntry(std::string_view line);

// The password padded with spaces to 5 characters, each written as three digits of its
// cp1251 code plus a constant of ours (a character the code page lacks counts as '?').
std::string EncodeMemberPassword(std::string_view password);
std::optional<std::string> DecodeMemberPassword(std::string_view digits);

// What the "Welcome!" dialog checks: the typed password, padded to 5 characters, equals the
// member's.
bool MemberPasswordMatches(const ClubMember& member, std::string_view typed);

}  // namespace klondar::storage
