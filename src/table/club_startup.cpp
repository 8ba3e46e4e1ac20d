#include "club_startup.h"

#include <QMessageBox>

#include "storage/club_file.h"
#include "words.h"

namespace klondar::table {

QString ClubCheckMessage(const std::filesystem::path& file, bool missing, bool damaged) {
  const QString name = "\"" + QString::fromStdString(file.filename().string()) + "\"";
  if (missing) return Text(Word::kCantFindTheFile) + " " + name + "!";
  if (damaged) return Text(Word::kIncorrectFile) + " " + name + "!";
  return Text(Word::kTheFile) + " " + name + " " + Text(Word::kHasIncorrectAttributes);
}

ClubStartup PrepareClubFiles(const std::filesystem::path& programFolder, QWidget* parent) {
  ClubStartup result{true, true, true};
  for (const bool local : {true, false}) {
    const std::filesystem::path file =
        programFolder / (local ? storage::kLocalClubFileName : storage::kNetworkClubFileName);
    // Only a first start installs: a file that is there, even a damaged one, is the
    // player's and is reported rather than replaced.
    storage::InstallClubFile(file);
    const storage::ClubCheck check = storage::CheckClubFile(file);
    if (check.message == storage::ClubMessage::kNone) continue;
    const bool missing = check.message == storage::ClubMessage::kCantFindFile;
    const bool damaged = check.message == storage::ClubMessage::kIncorrectFile;
    QMessageBox box(QMessageBox::Warning, Text(Word::kWindowCaption),
                    ClubCheckMessage(file, missing, damaged), QMessageBox::Ok, parent);
    box.setObjectName("ClubCheckMessage");
    box.exec();
    if (missing || damaged) return ClubStartup{};
    (local ? result.localWritable : result.networkWritable) = false;
  }
  return result;
}

}  // namespace klondar::table
