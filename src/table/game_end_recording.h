// What leaving a finished game against the computer stores: the member's new rating, the
// history entry and the club record (with the top ten when the game completes a cycle of
// 25). No window: the main window shows the banner, the messages and the windows around it.
#pragma once

#include "club_desk.h"
#include "storage/history_records.h"

namespace klondar::table {

struct FinishedGame {
  int gameNumber = 1;       // the member's games, this one included
  int newRunningTotal = 0;  // the cycle total after this game
  int result = 0;           // player 2's final difference
};

struct GameEndOutcome {
  double newRating = 0.0;
  bool completesCycle = false;
  bool historySaved = false;  // false: "Cann`t save history!"
  bool clubSaved = false;     // false: "Error of disk writing!"
  int topTenPlace = 0;        // 1..10 when the cycle total entered the top ten
  storage::ClubMember stored;
};

// The member's record after the game: the new rating, games and cycle total, the same name
// and password.
storage::ClubMember RecordAfterGame(const storage::ClubMember& before, const FinishedGame& game);

// The history entry, then the club record: the member's previous record is taken out and the
// new one entered in one rewrite. A club this run may not write is left as it is.
GameEndOutcome RecordLocalGameEnd(const ClubDesk& club, const MemberAtTable& seated,
                                  const FinishedGame& game, const storage::HistoryStamp& stamp);

}  // namespace klondar::table
