// The club as the main window uses it: the file of the club in use ("Klondar2.clb", or
// "Klondar2.net" in the network mode), whether this run may write it, and the member at the
// table with the file and place their record came from.
#pragma once

#include <filesystem>
#include <optional>

#include "storage/club_file.h"
#include "storage/club_updates.h"

namespace klondar::table {

struct MemberAtTable {
  int place = storage::kNewPlayerPlace;  // 1..5 in the club, or a new player not yet stored
  storage::ClubMember member;
  bool network = false;  // the record belongs to the network club
};

class ClubDesk {
 public:
  ClubDesk(std::filesystem::path programFolder, bool localWritable, bool networkWritable);

  // The "Multiplayer" option chooses the club in use; a member already at the table stays
  // with the club they came from.
  void UseNetwork(bool network) { network_ = network; }
  bool Network() const { return network_; }

  const std::filesystem::path& ProgramFolder() const { return folder_; }
  // The club in use, or the given one.
  std::filesystem::path File() const { return File(network_); }
  std::filesystem::path File(bool network) const;
  bool Writable() const { return Writable(network_); }
  bool Writable(bool network) const { return network ? networkWritable_ : localWritable_; }
  // The club as the file holds it now; nothing when it cannot be read.
  std::optional<storage::ClubFile> Read() const;
  // The record at place 1..5, if any.
  std::optional<storage::ClubMember> MemberAt(int place) const;

  // Seats the member as a record of the club in use.
  void Seat(MemberAtTable member) {
    member.network = network_;
    seated_ = std::move(member);
  }
  void Unseat() { seated_.reset(); }
  const std::optional<MemberAtTable>& Seated() const { return seated_; }
  std::optional<MemberAtTable>& Seated() { return seated_; }

  // An abandoned game costs the member their record, as the player was warned; false when
  // the file could not be rewritten.
  bool RemoveSeated();

 private:
  std::filesystem::path folder_;
  bool localWritable_;
  bool networkWritable_;
  bool network_ = false;
  std::optional<MemberAtTable> seated_;
};

}  // namespace klondar::table
