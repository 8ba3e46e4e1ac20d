// klondar-tool check-club and check-history: one line on whether a file is intact.
#pragma once

namespace klondar {

int CheckClubCommand(int argc, char** argv);
int CheckHistoryCommand(int argc, char** argv);

}  // namespace klondar
