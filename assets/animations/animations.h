// The game's animations, each a list of frames for one looping GIF.
#pragma once

#include <vector>

#include "gif_writer.h"

namespace animations {

// The menu screen, beside the title: the four suits turning in a gold medallion, and a
// fan of aces opening and closing in its twin. 96 x 96, transparent around the medallion.
std::vector<Frame> MenuSuits();
std::vector<Frame> MenuFan();

// The score window: tally marks chalked on a slate, two players' columns. 100 x 90.
std::vector<Frame> GeneralCount();

// Club emblems, 60 x 75: the rated account's crest and star, the local club's badge and
// cards, the tournament's laurel and the duel's crossed cards.
std::vector<Frame> ClubCrest();
std::vector<Frame> ClubStar();
std::vector<Frame> ClubBadge();
std::vector<Frame> ClubCards();
std::vector<Frame> ClubTournament();
std::vector<Frame> ClubDuel();

// The end of a game, 100 x 200: a cup rising onto its pedestal (26 frames, ending on the
// finished picture), a star settling into a laurel wreath (25 frames, likewise) and rain
// falling from a cloud (a loop).
std::vector<Frame> EndBest();
std::vector<Frame> EndGood();
std::vector<Frame> EndBad();

}  // namespace animations
