// A club member's rating after a game.
#pragma once

namespace klondar::storage {

// With n = newGames and g = n - 1 the games before this one: (g * oldRating + result / 20) / n,
// rounded to six decimals and limited to -99.99..99.99. A count below 1 changes nothing.
double NewRating(int newGames, int result, double oldRating);

}  // namespace klondar::storage
