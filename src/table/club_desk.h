// The local club as the main window uses it: the file of the club in use, whether this run
// may write it, and the member at the table with the place their record came from.
#pragma once

#include <filesystem>
#include <optional>

#include "storage/club_file.h"
#include "storage/club_updates.h"

namespace klondar::table {

struct MemberAtTable {
  int place = storage::kNewPlayerPlace;  // 1..5 in the club, or a new player not yet stored
  storage::ClubMember member;
};

class ClubDesk {
 public:
  ClubDesk(std::filesystem::path programFolder, bool writable);

  const std::filesystem::path& ProgramFolder() const { return folder_; }
  std::filesystem::path File() const;
  bool Writable() const { return writable_; }
  // The club as the file holds it now; nothing when it cannot be read.
  std::optional<storage::ClubFile> Read() const;
  // The record at place 1..5, if any.
  std::optional<storage::ClubMember> MemberAt(int place) const;

  void Seat(MemberAtTable member) { seated_ = std::move(member); }
  void Unseat() { seated_.reset(); }
  const std::optional<MemberAtTable>& Seated() const { return seated_; }
  std::optional<MemberAtTable>& Seated() { return seated_; }

  // An abandoned game costs the member their record, as the player was warned; false when
  // the file could not be rewritten.
  bool RemoveSeated();

 private:
  std::filesystem::path folder_;
  bool writable_;
  std::optional<MemberAtTable> seated_;
};

}  // namespace klondar::table
