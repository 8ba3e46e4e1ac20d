#include "club_desk.h"

namespace klondar::table {

ClubDesk::ClubDesk(std::filesystem::path programFolder, bool localWritable, bool networkWritable)
    : folder_(std::move(programFolder)),
      localWritable_(localWritable),
      networkWritable_(networkWritable) {}

std::filesystem::path ClubDesk::File(bool network) const {
  return folder_ / (network ? storage::kNetworkClubFileName : storage::kLocalClubFileName);
}

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
  const bool network = seated_->network;
  seated_.reset();
  if (!Writable(network) || place == storage::kNewPlayerPlace) return true;
  return storage::RemoveMember(File(network), place).status !=
         storage::ClubUpdateStatus::kWriteFailed;
}

}  // namespace klondar::table
