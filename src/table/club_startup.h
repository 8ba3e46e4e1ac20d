// The club files at start-up: a fresh installation gets both from the program's own copies,
// then both are checked; a missing or damaged file ends the program.
#pragma once

#include <QString>
#include <filesystem>

class QWidget;

namespace klondar::table {

struct ClubStartup {
  bool usable = false;    // false: the message was shown and the program ends
  // false: that club is read but never written during this run
  bool localWritable = false;
  bool networkWritable = false;
};

// Installs "Klondar2.clb" and "Klondar2.net" where they are missing (a first start), checks
// both and shows the check's message over `parent` in the current language.
ClubStartup PrepareClubFiles(const std::filesystem::path& programFolder, QWidget* parent);

// The message of a failed check or of a file that may not be written, as the player reads it.
QString ClubCheckMessage(const std::filesystem::path& file, bool missing, bool damaged);

}  // namespace klondar::table
