#include "end_game_texts.h"

#include "words.h"

namespace klondar::table {

CycleClass ClassOf(int place) {
  if (place == 1) return CycleClass::kBest;
  if (place >= 2 && place <= 10) return CycleClass::kGood;
  return CycleClass::kBad;
}

EndGameTexts TextsFor(int place, int total, CyclePlayer player) {
  EndGameTexts t;
  t.cls = ClassOf(place);
  const QColor green(0, 128, 0);
  const QString result = Text(Word::kResultColon) + QString::number(total);
  switch (t.cls) {
    case CycleClass::kBest: {
      const QColor purple(128, 0, 128);
      QString title;
      if (player == CyclePlayer::kRatedAccount) title = Text(Word::kBecomeVicePresident);
      if (player == CyclePlayer::kMember) title = Text(Word::kBecomeMaster);
      if (player == CyclePlayer::kDuel) title = Text(Word::kBecomeBachelor);
      t.sound = "WFiBest";
      t.lines = {EndGameLine{Text(Word::kCongratulations), 32, purple},
                 EndGameLine{Text(Word::kYourResultBest), 28, purple},
                 EndGameLine{result, 28, green}, EndGameLine{title, 22, purple}};
      t.medal = true;
      break;
    }
    case CycleClass::kGood: {
      const QColor darkRed(139, 0, 0);
      t.sound = "WFiGood";
      t.lines = {EndGameLine{Text(Word::kCongratulations), 32, darkRed},
                 EndGameLine{Text(Word::kGoodResult), 28, darkRed},
                 EndGameLine{result, 28, green}, EndGameLine{Text(Word::kInTopTen), 22, darkRed}};
      t.medal = true;
      break;
    }
    case CycleClass::kBad: {
      const QColor navy(0, 0, 128);
      const QString line3 =
          place > 10 ? result + " ; " + Text(Word::kPlaceColon) + QString::number(place) : result;
      t.sound = "WFiBads";
      t.lines = {EndGameLine{Text(Word::kOurRegrets), 32, navy},
                 EndGameLine{Text(Word::kResultKeepsToWishBest), 20, navy},
                 EndGameLine{line3, 28, green}, EndGameLine{Text(Word::kNotInTopTen), 20, navy}};
      break;
    }
  }
  return t;
}

}  // namespace klondar::table
