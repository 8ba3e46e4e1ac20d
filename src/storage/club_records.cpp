#include "storage/club_records.h"

#include "storage/cp1251.h"
#include "storage/fixed_text.h"

namespace klondar::storage {
namespace {

constexpr int kPasswordShift = 311;  // codes 0..255 become 311..566
constexpr std::int64_t kRatingLimit = 99'990'000;

std::string Clamped(std::int64_t value, std::int64_t lo, std::int64_t hi) {
  return std::to_string(value < lo ? lo : (value > hi ? hi : value));
}

// A CR or LF in a name would split its line and make the whole club unreadable.
std::string FileName(std::string_view utf8) {
  return PadRight(ControlsToSpaces(Utf8ToCp1251(utf8)), kMemberNameWidth);
}

std::string MemoryText(std::string_view field) { return Cp1251ToUtf8(TrimRight(field)); }

}  // namespace

std::int64_t RatingMillionths(double rating) {
  return ScaleRounded(rating, 6, -kRatingLimit, kRatingLimit);
}

std::string FormatMemberRecord(const ClubMember& m) {
  return FileName(m.name) + AlignRight(FixedComma(RatingMillionths(m.rating), 6), 10) +
         AlignRight(Clamped(m.games, 0, 9'999'999), 7) + " " +
         AlignRight(Clamped(m.runningTotal, -99'999, 999'999), 6) +
         EncodeMemberPassword(m.password);
}

std::optional<ClubMember> ParseMemberRecord(std::string_view record) {
  if (record.size() != kMemberRecordWidth) return std::nullopt;
  const std::optional<std::int64_t> rating = ParseFixedComma(record.substr(20, 10), 6);
  const std::optional<std::int64_t> games = ParseAlignedDecimal(record.substr(30, 7));
  const std::optional<std::int64_t> total = ParseAlignedDecimal(record.substr(38, 6));
  const std::optional<std::string> password = DecodeMemberPassword(record.substr(44, 15));
  if (!rating || !games || !total || !password) return std::nullopt;
  if (*rating < -kRatingLimit || *rating > kRatingLimit) return std::nullopt;
  if (*games < 0 || *games > 9'999'999 || *total < -99'999 || *total > 999'999) {
    return std::nullopt;
  }
  ClubMember member{MemoryText(record.substr(0, kMemberNameWidth)),
                    static_cast<double>(*rating) / 1e6, static_cast<int>(*games),
                    static_cast<int>(*total), *password};
  // Only the one layout the program writes (alignment, the space in column 38) is a record.
  if (FormatMemberRecord(member) != record) return std::nullopt;
  return member;
}

std::string FormatTopTenEntry(const TopTenEntry& entry) {
  return FileName(entry.name) + AlignRight(Clamped(entry.score, -99'999, 999'999), 6);
}

std::optional<TopTenEntry> ParseTopTenEntry(std::string_view line) {
  if (line.size() != kTopTenEntryWidth) return std::nullopt;
  const std::optional<std::int64_t> score = ParseAlignedDecimal(line.substr(20, 6));
  if (!score || *score < -99'999 || *score > 999'999) return std::nullopt;
  TopTenEntry entry{MemoryText(line.substr(0, kMemberNameWidth)), static_cast<int>(*score)};
  if (FormatTopTenEntry(entry) != line) return std::nullopt;
  return entry;
}

std::string EncodeMemberPassword(std::string_view password) {
  std::string digits;
  for (const char c : PadRight(Utf8ToCp1251(password), kMemberPasswordLength)) {
    digits += std::to_string(static_cast<unsigned char>(c) + kPasswordShift);
  }
  return digits;
}

std::optional<std::string> DecodeMemberPassword(std::string_view digits) {
  if (digits.size() != 3 * kMemberPasswordLength) return std::nullopt;
  std::string password;
  for (std::size_t i = 0; i < digits.size(); i += 3) {
    const std::optional<std::int64_t> code = ParseDigits(digits.substr(i, 3));
    if (!code || *code < kPasswordShift || *code > kPasswordShift + 255) return std::nullopt;
    password += static_cast<char>(*code - kPasswordShift);
  }
  return MemoryText(password);
}

bool MemberPasswordMatches(const ClubMember& member, std::string_view typed) {
  return EncodeMemberPassword(typed) == EncodeMemberPassword(member.password);
}

}  // namespace klondar::storage
