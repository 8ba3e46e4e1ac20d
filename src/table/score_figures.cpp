#include "score_figures.h"

#include <cmath>
#include <cstdlib>

#include "storage/club_updates.h"
#include "storage/rating.h"

namespace klondar::table {

QString RatingText(double rating) {
  const long long hundredths = std::llround(rating * 100.0);
  const long long size = std::llabs(hundredths);
  QString text = QString::number(size / 100) + "," + QString::number(size % 100).rightJustified(2, '0');
  if (hundredths < 0) text.prepend('-');
  return text.rightJustified(6, ' ');
}

std::array<QString, 7> ScoreFigures(const ScoreInputs& in) {
  const int cycle = in.gameNumber % storage::kCycleGames;
  return {QString::number(in.gameNumber),
          QString::number(cycle == 0 ? storage::kCycleGames : cycle),
          QString::number(in.runningTotal),
          QString::number(in.scoreDifference),
          QString::number(in.runningTotal + in.scoreDifference),
          RatingText(in.rating),
          RatingText(storage::NewRating(in.gameNumber, in.scoreDifference, in.rating))};
}

}  // namespace klondar::table
