#include "card_pictures.h"

#include "pictures.h"

namespace klondar::table {

QString FacePictureName(CardCode card, bool large) {
  const char* suit = nullptr;
  switch (card.suit) {
    case kHearts: suit = "Ch"; break;
    case kDiamonds: suit = "Bu"; break;
    case kClubs: suit = "Kr"; break;
    case kSpades: suit = "Pi"; break;
    default: return {};
  }
  const char* rank = nullptr;
  switch (card.rank) {
    case kSeven: rank = "07"; break;
    case kEight: rank = "08"; break;
    case kNine: rank = "09"; break;
    case kTen: rank = "10"; break;
    case kJack: rank = "2J"; break;
    case kQueen: rank = "3Q"; break;
    case kKing: rank = "4K"; break;
    case kAce: rank = "5A"; break;
    default: return {};
  }
  return QString(suit) + rank + (large ? "B" : "");
}

QString BackPictureName(int dayOfWeek, bool large, bool turned) {
  static const char* const kNames[] = {"Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th",
                                       "Ob05Fr", "Ob06Su", "Ob07Su"};
  const int index = dayOfWeek >= 1 && dayOfWeek <= 7 ? dayOfWeek - 1 : 6;
  return QString(kNames[index]) + (turned ? "R" : "") + (large ? "B" : "");
}

void CardPictures::Load(const WindowGeometry& geometry, QDate today) {
  size_ = QSize(geometry.cardWidth, geometry.cardHeight);
  faces_.clear();
  for (int suit = 1; suit <= 4; ++suit) {
    for (int rank = 1; rank <= 8; ++rank) {
      const CardCode card = MakeCard(kRanks[rank], kSuits[suit]);
      faces_[{card.rank, card.suit}] =
          PictureScaled(FacePictureName(card, geometry.largePictures), size_);
    }
  }
  const int day = today.isValid() ? today.dayOfWeek() : 7;
  back_ = PictureScaled(BackPictureName(day, geometry.largePictures, false), size_);
  turnedBack_ = PictureScaled(BackPictureName(day, geometry.largePictures, true), size_.transposed());
}

const QPixmap& CardPictures::Face(CardCode card) const {
  const auto it = faces_.find({card.rank, card.suit});
  return it == faces_.end() ? none_ : it->second;
}

}  // namespace klondar::table
