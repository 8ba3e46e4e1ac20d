#include "storage/club_updates.h"

#include <algorithm>

#include "storage/atomic_write.h"

namespace klondar::storage {
namespace {

// Reads the file, applies `change` and writes it back; a file that is not intact is never
// rewritten, since new check sums would pass off whatever damage it has as valid.
template <typename Change>
ClubUpdate Rewrite(const std::filesystem::path& file, Change change) {
  ClubParse parse = ReadClubFile(file);
  if (!parse.club) return ClubUpdate{ClubUpdateStatus::kRefused, {}, parse.problem};
  ClubUpdate update{ClubUpdateStatus::kDone, change(*parse.club), {}};
  const WriteResult written = ReplaceFile(file, FormatClubFile(*parse.club));
  if (!written.ok) return ClubUpdate{ClubUpdateStatus::kWriteFailed, {}, written.reason};
  return update;
}

}  // namespace

void RemoveMemberAt(ClubFile& club, int place) {
  if (place < 1 || place > kClubPlaces) return;
  std::move(club.members.begin() + place, club.members.end(), club.members.begin() + place - 1);
  club.members.back().reset();
}

GamePlaces EnterGameResult(ClubFile& club, ClubMember member) {
  GamePlaces places;
  if (member.games > 0 && member.games % kCycleGames == 0) {
    for (int i = 0; i < kTopTenPlaces; ++i) {
      if (club.topTen[i].score <= member.runningTotal) {
        std::move_backward(club.topTen.begin() + i, club.topTen.end() - 1, club.topTen.end());
        club.topTen[i] = TopTenEntry{member.name, member.runningTotal};
        places.topTen = i + 1;
        break;
      }
    }
    member.runningTotal = 0;
  }
  const std::int64_t rating = RatingMillionths(member.rating);
  for (int i = 0; i < kClubPlaces; ++i) {
    if (!club.members[i] || RatingMillionths(club.members[i]->rating) <= rating) {
      std::move_backward(club.members.begin() + i, club.members.end() - 1, club.members.end());
      club.members[i] = std::move(member);
      places.member = i + 1;
      break;
    }
  }
  return places;
}

ClubUpdate RemoveMember(const std::filesystem::path& file, int place) {
  if (place < 1 || place > kClubPlaces) return ClubUpdate{ClubUpdateStatus::kDone, {}, {}};
  return Rewrite(file, [place](ClubFile& club) {
    RemoveMemberAt(club, place);
    return GamePlaces{};
  });
}

ClubUpdate StoreGameResult(const std::filesystem::path& file, const ClubMember& member,
                           int previousPlace) {
  return Rewrite(file, [&](ClubFile& club) {
    RemoveMemberAt(club, previousPlace);
    return EnterGameResult(club, member);
  });
}

}  // namespace klondar::storage
