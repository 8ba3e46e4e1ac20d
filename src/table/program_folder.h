// The program folder: a data folder per user ($XDG_DATA_HOME/VelGames/Klondar2), or the
// folder given with --home.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace klondar::table {

struct StartArguments {
  QString home;  // empty: the per-user data folder
};

// Parses the command line (without the program name): nothing, or "--home DIR". Anything
// else is refused with nullopt.
std::optional<StartArguments> ParseStartArguments(const QStringList& arguments);
// The folder the program uses, created when missing; empty when it cannot be created.
QString PrepareProgramFolder(const StartArguments& arguments);

}  // namespace klondar::table
