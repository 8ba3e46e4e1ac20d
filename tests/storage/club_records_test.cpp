#include "storage/club_records.h"

#include <gtest/gtest.h>

#include "storage/cp1251.h"
#include "storage/rating.h"

namespace klondar::storage {
namespace {

TEST(ClubRecords, MemberRecordLayout) {
  const struct {
    ClubMember member;
    std::string record;  // cp1251
    ClubMember readBack;
  } cases[] = {
      {{"Ivan", 0.5, 3, -40, "ab"},
       "Ivan                  0,500000      3    -40408409343343343",
       {"Ivan", 0.5, 3, -40, "ab"}},
      {{"Вася", -12.345678, 1234567, 999999, ""},
       Utf8ToCp1251("Вася") + "                -12,3456781234567 999999343343343343343",
       {"Вася", -12.345678, 1234567, 999999, ""}},
      // Cut to the columns: name 20, rating to 99.99, password 5.
      {{"A name longer than twenty", 150.0, 12, 0, "toolongpw"},
       "A name longer than t 99,990000     12      0427422422419422",
       {"A name longer than t", 99.99, 12, 0, "toolo"}},
      {{"Ivan\r\nX", 0, 0, 0, ""},
       "Ivan  X               0,000000      0      0343343343343343",
       {"Ivan  X", 0, 0, 0, ""}},
      {{"x", 0.0000004, 0, 0, "12345"},
       "x                     0,000000      0      0360361362363364",
       {"x", 0.0, 0, 0, "12345"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    const std::string record = FormatMemberRecord(c.member);
    ASSERT_EQ(record.size(), kMemberRecordWidth);
    EXPECT_EQ(record, c.record);
    const std::optional<ClubMember> read = ParseMemberRecord(record);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->name, c.readBack.name);
    EXPECT_EQ(read->rating, c.readBack.rating);
    EXPECT_EQ(read->games, c.readBack.games);
    EXPECT_EQ(read->runningTotal, c.readBack.runningTotal);
    EXPECT_EQ(read->password, c.readBack.password);
  }
}

TEST(ClubRecords, OnlyTheWrittenFormIsARecord) {
  const std::string good = "Ivan                  0,500000      3    -40408409343343343";
  ASSERT_TRUE(ParseMemberRecord(good));
  const auto with = [&](std::size_t at, std::string_view text) {
    std::string r = good;
    r.replace(at, text.size(), text);
    return r;
  };
  for (const std::string& bad : {
           good.substr(1),                 // 58 characters
           good + " ",                     // 60
           with(20, "  0.500000"),         // a point, not a comma
           with(20, " 00,500000"),         // a leading zero
           with(20, "  0,50000 "),         // five decimals
           with(20, "100,000000"),         // above 99.99
           with(20, " -0,000000"),         // minus zero
           with(30, "000000003"),          // games with leading zeros
           with(30, "     -1"),            // negative games
           with(37, "x"),                  // column 38 is a space
           with(38, "  -0 0"),             // a space inside the total
           with(44, "999"),                // a password code beyond 255
           with(44, "31a"),                // a password digit that is not one
           std::string(kEmptyMemberPlace)  // the empty place is no member
       }) {
    EXPECT_FALSE(ParseMemberRecord(bad)) << bad;
  }
  EXPECT_TRUE(ParseTopTenEntry("Ivan                  1200"));
  EXPECT_FALSE(ParseTopTenEntry("Ivan                 01200"));
  EXPECT_FALSE(ParseTopTenEntry("Ivan                  120"));
}

TEST(ClubRecords, PasswordCheckPadsToFiveCharacters) {
  const ClubMember member{"Ivan", 0, 0, 0, "ab"};
  EXPECT_TRUE(MemberPasswordMatches(member, "ab"));
  EXPECT_TRUE(MemberPasswordMatches(member, "ab   "));
  EXPECT_FALSE(MemberPasswordMatches(member, "abc"));
  EXPECT_FALSE(MemberPasswordMatches(member, "AB"));
  EXPECT_FALSE(MemberPasswordMatches(member, ""));
  const ClubMember cyrillic{"Ivan", 0, 0, 0, "пароль"};
  EXPECT_TRUE(MemberPasswordMatches(cyrillic, "парол"));
  EXPECT_EQ(DecodeMemberPassword(EncodeMemberPassword("пароль")), "парол");
}

TEST(Rating, NewRating) {
  const struct {
    int games, result;
    double old, expected;
  } cases[] = {
      {1, 40, 0.0, 2.0},                                      // the first game of a new player
      {2, 20, 2.0, 1.5},                                      // (1 * 2 + 1) / 2
      {3, 1, 0.0, 0.016667},                                  // six decimals, rounded
      {3, -1, 0.0, -0.016667}, {10, -100, 1.0, 0.4},          // (9 - 5) / 10
      {1, 4000, 0.0, 99.99},                                  // limited
      {1, -4000, 0.0, -99.99}, {0, 40, 1.2345678, 1.234568},  // no games: no change
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(NewRating(c.games, c.result, c.old), c.expected)
        << c.games << " " << c.result << " " << c.old;
  }
}

}  // namespace
}  // namespace klondar::storage
