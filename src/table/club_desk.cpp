#include "club_desk.h"

namespace klondar::table {

ClubDesk::ClubDesk(std::filesystem::path programFolder, bool writable)
    : folder_(std::move(programFolder)), writable_(writable) {}

std::filesystem::path ClubDesk::File() const { return folder_ / storage::kLocalClubFileName; }

std::optional<storage::ClubFile> ClubDesk::Read() const { return storage::ReadClubFile(File()).club; }

std::optional<storage::ClubMember> ClubDesk::MemberAt(int place) const {
  if (place < 1 || place > storage::kClubPlaces) return std::nullopt;
  const std::optional<storage::ClubFile> club = Read();
  if (!club) return std::nullopt;
  return club->members[static_cast<std::size_t>(place - 1)];
}

bool ClubDesk::RemoveSeated() {
  if (!seated_) return true;
  const int place = seated_->place;
  seated_.reset();
  if (!writable_ || place == storage::kNewPlayerPlace) return true;
  return storage::RemoveMember(File(), place).status != storage::ClubUpdateStatus::kWriteFailed;
}

}  // namespace klondar::table
