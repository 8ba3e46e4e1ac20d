// The seven figures of the "General score" window for a game against the computer, worked
// out from the game's counters and the member's rating just before the window opens.
#pragma once

#include <QString>
#include <array>

namespace klondar::table {

// Hundredths with a comma, "-" before a negative value, filled with spaces on the left to
// 6 characters: 0 -> "  0,00", -0.05 -> " -0,05", 12.34 -> " 12,34".
QString RatingText(double rating);

struct ScoreInputs {
  int gameNumber = 1;       // the game in progress, counted over all the member's games
  int runningTotal = 0;     // of the cycle, before this game
  int scoreDifference = 0;  // of the game in progress
  double rating = 0.0;      // the member's, before this game
};

// In the window's row order: the game number, the game in the cycle of 25, the initial,
// current and general score, the initial and current rating.
std::array<QString, 7> ScoreFigures(const ScoreInputs& in);

}  // namespace klondar::table
