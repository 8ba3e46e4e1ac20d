// klondar-tool solve and decide: the computer's card search on a position given on the
// command line.
#pragma once

namespace klondar {

int SolveCommand(int argc, char** argv);
int DecideCommand(int argc, char** argv);

}  // namespace klondar
