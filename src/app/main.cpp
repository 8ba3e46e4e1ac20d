// The game: the main window against the computer. The only option is --home DIR, the
// folder the program keeps its files in (by default a data folder of the user).
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "table/main_window.h"
#include "table/program_folder.h"

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
  klondar::table::TForm1 window(klondar::table::TableOptions{}, folder.toStdString());
  window.show();
  return QApplication::exec();
}
