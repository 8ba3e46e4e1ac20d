#include "program_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace klondar::table {

std::optional<StartArguments> ParseStartArguments(const QStringList& arguments) {
  if (arguments.isEmpty()) return StartArguments{};
  if (arguments.size() == 2 && arguments[0] == "--home" && !arguments[1].isEmpty()) {
    return StartArguments{arguments[1]};
  }
  return std::nullopt;
}

QString PrepareProgramFolder(const StartArguments& arguments) {
  QString folder = arguments.home;
  if (folder.isEmpty()) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) return {};
    folder = QDir(data).filePath("VelGames/Klondar2");
  }
  if (!QDir().mkpath(folder)) return {};
  return QDir(folder).absolutePath();
}

}  // namespace klondar::table
