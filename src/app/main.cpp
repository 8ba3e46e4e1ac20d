// The game: the main window against the computer. The only option is --home DIR, the
// folder the program keeps its files in (by default a data folder of the user).
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "table/club_startup.h"
#include "table/program_folder.h"
#include "table/program_start.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  const auto start = klondar::table::ParseStartArguments(arguments);
  if (!start) {
    std::fprintf(stderr, "usage: klondar [--home DIR]\n");
    return 2;
  }
  const QString folder = klondar::table::PrepareProgramFolder(*start);
  if (folder.isEmpty()) {
    QMessageBox::critical(nullptr, "Klondar", "Cannot create the program folder.");
    return 1;
  }
  // The settings are read here, before the language is applied; the window writes them
  // when it closes.
  const auto window = klondar::table::OpenMainWindow(folder.toStdString());
  // A club file that is missing or damaged ends the program before the window shows, and
  // the settings are left as they were.
  const auto club = klondar::table::PrepareClubFiles(folder.toStdString(), window.get());
  if (!club.usable) {
    window->KeepSettingsUnwritten();
    return 1;
  }
  window->UseClub(club.localWritable, club.networkWritable);
  window->show();
  return QApplication::exec();
}
