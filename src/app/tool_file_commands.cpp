#include "tool_file_commands.h"

#include <iostream>

#include "storage/club_file.h"
#include "storage/history_file.h"

namespace klondar {

namespace {

// Prints "FILE: intact" or "FILE: <why not>"; exits 0 only for an intact file.
int Report(int argc, char** argv, storage::FileVerdict (*check)(const std::filesystem::path&)) {
  if (argc != 3) {
    std::cerr << "usage: klondar-tool " << argv[1] << " FILE\n";
    return 2;
  }
  const storage::FileVerdict verdict = check(argv[2]);
  std::cout << argv[2] << ": " << verdict.text << "\n";
  return verdict.intact ? 0 : 1;
}

}  // namespace

int CheckClubCommand(int argc, char** argv) {
  return Report(argc, argv, &storage::ClubFileVerdict);
}

int CheckHistoryCommand(int argc, char** argv) {
  return Report(argc, argv, &storage::HistoryFileVerdict);
}

}  // namespace klondar
