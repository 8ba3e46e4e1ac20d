#include "game_end_recording.h"

#include "storage/history_file.h"
#include "storage/rating.h"

namespace klondar::table {

storage::ClubMember RecordAfterGame(const storage::ClubMember& before, const FinishedGame& game) {
  storage::ClubMember after = before;
  after.rating = storage::NewRating(game.gameNumber, game.result, before.rating);
  after.games = game.gameNumber;
  after.runningTotal = game.newRunningTotal;
  return after;
}

GameEndOutcome RecordLocalGameEnd(const ClubDesk& club, const MemberAtTable& seated,
                                  const FinishedGame& game, const storage::HistoryStamp& stamp) {
  GameEndOutcome outcome;
  outcome.stored = RecordAfterGame(seated.member, game);
  outcome.newRating = outcome.stored.rating;
  outcome.completesCycle = game.gameNumber % storage::kCycleGames == 0;

  const storage::HistoryEntry entry{seated.member.name, 1, game.result, outcome.newRating,
                                    storage::HistoryKind::kLocal};
  outcome.historySaved = storage::AppendHistory(club.ProgramFolder(), {&entry, 1}, stamp).ok;

  if (!club.Writable(seated.network)) {
    outcome.clubSaved = true;
    return outcome;
  }
  const storage::ClubUpdate update =
      storage::StoreGameResult(club.File(seated.network), outcome.stored, seated.place);
  outcome.clubSaved = update.status == storage::ClubUpdateStatus::kDone;
  outcome.topTenPlace = update.places.topTen;
  return outcome;
}

}  // namespace klondar::table
