#include "storage/rating.h"

#include "storage/club_records.h"

namespace klondar::storage {

double NewRating(int newGames, int result, double oldRating) {
  if (newGames < 1) return static_cast<double>(RatingMillionths(oldRating)) / 1e6;
  const double before = static_cast<double>(newGames) - 1.0;
  const double rating = (before * oldRating + static_cast<double>(result) / 20.0) / newGames;
  return static_cast<double>(RatingMillionths(rating)) / 1e6;
}

}  // namespace klondar::storage
