// Changes to the club: a member leaving, and a finished game entering the members and the
// top ten.
#pragma once

#include <filesystem>
#include <string>

#include "storage/club_file.h"
#include "storage/club_records.h"

namespace klondar::storage {

inline constexpr int kCycleGames = 25;
inline constexpr int kNewPlayerPlace = 6;  // a player not yet stored

struct GamePlaces {
  int member = 0;  // 1..5 where the record was entered, 0 when the club had no place for it
  int topTen = 0;  // 1..10 when the cycle total entered the top ten, else 0
};

// Takes out the record at `place` (1..5): the ones below move up, place 5 becomes empty.
// Any other place changes nothing.
void RemoveMemberAt(ClubFile& club, int place);

// Enters a finished game. When `member.games` completes a cycle of 25, the cycle total goes
// into the top ten above the first entry it equals or beats (the last entry drops out) and
// the record starts a new cycle at 0. The record is then put above the first member whose
// rating it equals or beats, or into the first empty place (place 5 drops out).
GamePlaces EnterGameResult(ClubFile& club, ClubMember member);

enum class ClubUpdateStatus {
  kDone,
  kRefused,      // the file is missing or not intact: it is not rewritten
  kWriteFailed,  // the file could not be rewritten ("Error of disk writing!"); it is unchanged
};

struct ClubUpdate {
  ClubUpdateStatus status = ClubUpdateStatus::kRefused;
  GamePlaces places;
  std::string reason;  // when not done
};

// RemoveMemberAt on the file; place 6 (a new player) leaves the file untouched.
ClubUpdate RemoveMember(const std::filesystem::path& file, int place);

// Takes out the member's previous record at `previousPlace` (1..5; 6 for a new player) and
// enters the finished game, in one rewrite of the file: a failure at any point leaves the
// old record in place rather than losing it.
ClubUpdate StoreGameResult(const std::filesystem::path& file, const ClubMember& member,
                           int previousPlace);

}  // namespace klondar::storage
