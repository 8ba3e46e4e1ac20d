#include "storage/club_updates.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace klondar::storage {
namespace {

class ClubUpdates : public ::testing::Test {
 protected:
  ClubUpdates() {
    club = FreshClubFile();
    int score = 500;
    for (TopTenEntry& entry : club.topTen) {
      entry = TopTenEntry{"Top " + std::to_string(score), score};
      score -= 50;  // 500, 450, ..., 50
    }
  }

  void Members(std::initializer_list<double> ratings) {
    int place = 0;
    for (const double rating : ratings) {
      club.members[place] = ClubMember{"M" + std::to_string(place + 1), rating, 10, 0, "pw"};
      ++place;
    }
  }

  std::string NameAt(int place) const {
    const auto& member = club.members[place - 1];
    return member ? member->name : "-";
  }

  ClubFile club;
};

TEST_F(ClubUpdates, TheTwentyFifthGameEntersTheTopTenAndStartsANewCycle) {
  const GamePlaces places = EnterGameResult(club, ClubMember{"Ivan", 1.0, 25, 50, "pw"});
  EXPECT_EQ(places.topTen, 10) << "equal to the tenth score: the tenth place";
  EXPECT_EQ(club.topTen[9].name, "Ivan");
  EXPECT_EQ(club.topTen[9].score, 50);
  EXPECT_EQ(club.topTen[8].score, 100);
  EXPECT_EQ(places.member, 1);
  EXPECT_EQ(club.members[0]->runningTotal, 0) << "a new cycle";
  EXPECT_EQ(club.members[0]->games, 25);

  EnterGameResult(club, ClubMember{"Olga", 1.0, 50, 450, "pw"});
  EXPECT_EQ(club.topTen[1].name, "Olga") << "equal to the second: above it";
  EXPECT_EQ(club.topTen[2].score, 450);
  EXPECT_EQ(club.topTen[9].score, 100) << "the last one dropped out";
}

TEST_F(ClubUpdates, OtherGamesLeaveTheTopTenAndTheCycleAlone) {
  const ClubFile before = club;
  for (const int games : {1, 24, 26, 49}) {
    club = before;
    const GamePlaces places = EnterGameResult(club, ClubMember{"Ivan", 1.0, games, 9999, "pw"});
    EXPECT_EQ(places.topTen, 0) << games;
    EXPECT_EQ(club.topTen[0].score, 500) << games;
    EXPECT_EQ(club.members[0]->runningTotal, 9999) << games;
  }
  club = before;
  EXPECT_EQ(EnterGameResult(club, ClubMember{"Ivan", 1.0, 25, 49, "pw"}).topTen, 0)
      << "below the tenth score";
  EXPECT_EQ(club.members[0]->runningTotal, 0);
}

TEST_F(ClubUpdates, MembersStayInOrderOfRating) {
  Members({3.0, 2.0, 1.0});
  EXPECT_EQ(EnterGameResult(club, ClubMember{"New", 2.0, 5, 0, "pw"}).member, 2)
      << "an equal rating places the new member above";
  EXPECT_EQ(NameAt(3), "M2");
  EXPECT_EQ(NameAt(4), "M3");
  EXPECT_EQ(EnterGameResult(club, ClubMember{"Low", -5.0, 5, 0, "pw"}).member, 5)
      << "the first empty place";

  EXPECT_EQ(EnterGameResult(club, ClubMember{"Lower", -6.0, 5, 0, "pw"}).member, 0)
      << "a full club below everyone has no place";
  EXPECT_EQ(NameAt(5), "Low");
  EXPECT_EQ(EnterGameResult(club, ClubMember{"Top", 9.0, 5, 0, "pw"}).member, 1);
  EXPECT_EQ(NameAt(5), "M3") << "the last member dropped out";
}

TEST_F(ClubUpdates, RemovingAMemberMovesTheOthersUp) {
  Members({3.0, 2.0, 1.0});
  RemoveMemberAt(club, 1);
  EXPECT_EQ(NameAt(1), "M2");
  EXPECT_EQ(NameAt(2), "M3");
  EXPECT_EQ(NameAt(3), "-");
  Members({5.0, 4.0, 3.0, 2.0, 1.0});
  RemoveMemberAt(club, 5);
  EXPECT_EQ(NameAt(5), "-");
  for (const int place : {0, 6, 7}) {
    const ClubFile before = club;
    RemoveMemberAt(club, place);
    EXPECT_EQ(FormatClubFile(club), FormatClubFile(before)) << place;
  }
}

TEST_F(ClubUpdates, StoringAGameReplacesTheMembersRecordInOneRewrite) {
  testing::TempFolder folder;
  const auto file = folder / "Klondar2.clb";
  Members({3.0, 2.0, 1.0});
  testing::WriteBytes(file, FormatClubFile(club));

  const ClubUpdate update = StoreGameResult(file, ClubMember{"M3", 4.0, 25, 120, "pw"}, 3);
  ASSERT_EQ(update.status, ClubUpdateStatus::kDone) << update.reason;
  EXPECT_EQ(update.places.member, 1);
  EXPECT_EQ(update.places.topTen, 9);
  const ClubParse read = ReadClubFile(file);
  ASSERT_TRUE(read.club) << read.problem;
  club = *read.club;
  EXPECT_EQ(NameAt(1), "M3");
  EXPECT_EQ(NameAt(2), "M1");
  EXPECT_EQ(NameAt(3), "M2");
  EXPECT_EQ(NameAt(4), "-") << "the old record is gone";
  EXPECT_EQ(club.topTen[8].name, "M3");

  const ClubUpdate fresh = StoreGameResult(file, ClubMember{"New", 0.1, 1, 2, "pw"}, 6);
  EXPECT_EQ(fresh.places.member, 4);
  ASSERT_EQ(RemoveMember(file, 2).status, ClubUpdateStatus::kDone);
  club = *ReadClubFile(file).club;
  EXPECT_EQ(NameAt(2), "M2");
  EXPECT_EQ(NameAt(3), "New");
  EXPECT_EQ(NameAt(4), "-");
}

TEST_F(ClubUpdates, AFileThatIsNotIntactIsNeverRewritten) {
  testing::TempFolder folder;
  const auto file = folder / "Klondar2.clb";
  std::string damaged = FormatClubFile(club);
  damaged[5] = 'X';
  testing::WriteBytes(file, damaged);
  const ClubMember member{"Ivan", 1.0, 1, 0, "pw"};
  // New check sums would pass the damage off as intact.
  EXPECT_EQ(StoreGameResult(file, member, 6).status, ClubUpdateStatus::kRefused);
  EXPECT_EQ(RemoveMember(file, 1).status, ClubUpdateStatus::kRefused);
  EXPECT_EQ(testing::ReadBytes(file), damaged);
  EXPECT_EQ(StoreGameResult(folder / "none.clb", member, 6).status, ClubUpdateStatus::kRefused);
  EXPECT_FALSE(std::filesystem::exists(folder / "none.clb"));
}

}  // namespace
}  // namespace klondar::storage
