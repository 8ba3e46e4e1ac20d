// What leaving a finished game stores, and that a disk refusing a file loses nothing.
#include "table/game_end_recording.h"

#include <gtest/gtest.h>

#include <fstream>

#include "storage/history_file.h"
#include "storage/temp_folder.h"

namespace klondar::table {
namespace {

using storage::testing::TempFolder;

constexpr storage::HistoryStamp kStamp{2026, 12, 11, 5, 30};

class GameEndRecording : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(storage::InstallClubFile(ClubPath()).ok);
    ASSERT_TRUE(storage::InstallClubFile(home_.path() / storage::kNetworkClubFileName).ok);
  }
  std::filesystem::path ClubPath() const { return home_.path() / storage::kLocalClubFileName; }
  std::string ClubBytes() const { return storage::testing::ReadBytes(ClubPath()); }

  TempFolder home_;
};

TEST_F(GameEndRecording, ANewPlayersFirstGameGivesRatingTwoForForty) {
  const ClubDesk club(home_.path(), true, true);
  const MemberAtTable seated{storage::kNewPlayerPlace, {"Anna", 0.0, 0, 0, "pw"}};
  const GameEndOutcome outcome = RecordLocalGameEnd(club, seated, {1, 40, 40}, kStamp);
  EXPECT_TRUE(outcome.historySaved);
  EXPECT_TRUE(outcome.clubSaved);
  EXPECT_FALSE(outcome.completesCycle);
  EXPECT_DOUBLE_EQ(outcome.newRating, 2.0);
  const auto stored = club.MemberAt(1);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->games, 1);
  EXPECT_EQ(stored->runningTotal, 40);
  const auto history = storage::CheckHistoryFile(storage::HistoryFilePath(home_.path(), 1));
  ASSERT_EQ(history.rows.size(), 1u);
  EXPECT_EQ(history.rows[0].rating, "2,00");
}

TEST_F(GameEndRecording, TheTwentyFifthGameClosesTheCycleIntoTheTopTen) {
  const ClubDesk club(home_.path(), true, true);
  const MemberAtTable seated{storage::kNewPlayerPlace, {"Bo", 1.0, 24, 500, "x"}};
  const GameEndOutcome outcome = RecordLocalGameEnd(club, seated, {25, 620, 120}, kStamp);
  EXPECT_TRUE(outcome.completesCycle);
  EXPECT_EQ(outcome.topTenPlace, 1);
  const auto file = club.Read();
  ASSERT_TRUE(file && file->members[0]);
  EXPECT_EQ(file->members[0]->runningTotal, 0);
  EXPECT_EQ(file->topTen[0].name, "Bo");
  EXPECT_EQ(file->topTen[0].score, 620);
}

TEST_F(GameEndRecording, AMemberOfTheNetworkClubIsStoredThereOnly) {
  ClubDesk club(home_.path(), true, true);
  club.UseNetwork(true);
  club.Seat({storage::kNewPlayerPlace, {"Dee", 0.0, 0, 0, "n"}});
  // The option may change while the member is at the table: the record stays with its club.
  club.UseNetwork(false);
  const std::string local = ClubBytes();
  const GameEndOutcome outcome = RecordLocalGameEnd(club, *club.Seated(), {1, 20, 20}, kStamp);
  EXPECT_TRUE(outcome.clubSaved);
  EXPECT_EQ(ClubBytes(), local);
  const auto network = storage::ReadClubFile(home_.path() / storage::kNetworkClubFileName).club;
  ASSERT_TRUE(network && network->members[0]);
  EXPECT_EQ(network->members[0]->name, "Dee");
}

TEST_F(GameEndRecording, ARefusedFileIsReportedAndLeftAsItWas) {
  const MemberAtTable seated{storage::kNewPlayerPlace, {"Cy", 0.0, 0, 0, ""}};
  const std::string before = ClubBytes();
  {
    // A club marked read-only, and a "History" that is a file, so no history can be made.
    std::filesystem::permissions(ClubPath(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::group_read |
                                                 std::filesystem::perms::others_read);
    std::ofstream(home_.path() / storage::kHistoryFolderName) << "not a folder";
    const GameEndOutcome outcome =
        RecordLocalGameEnd(ClubDesk(home_.path(), true, true), seated, {1, -30, -30}, kStamp);
    EXPECT_FALSE(outcome.clubSaved);
    EXPECT_FALSE(outcome.historySaved);
    EXPECT_EQ(ClubBytes(), before);
  }
  {
    // A run warned at start-up that the club may not be written leaves it alone quietly.
    std::filesystem::permissions(ClubPath(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    const GameEndOutcome outcome =
        RecordLocalGameEnd(ClubDesk(home_.path(), false, false), seated, {1, -30, -30}, kStamp);
    EXPECT_TRUE(outcome.clubSaved);
    EXPECT_EQ(ClubBytes(), before);
  }
}

}  // namespace
}  // namespace klondar::table
