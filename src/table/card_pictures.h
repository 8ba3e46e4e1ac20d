// Card faces and the back of this game, ready at the card size of the window.
#pragma once

#include <QDate>
#include <QPixmap>
#include <QString>
#include <map>

#include "engine/card.h"
#include "window_geometry.h"

namespace klondar::table {

// "Ch5A" (ace of hearts, small) or "Ch5AB" (large); empty for a code that is no card.
QString FacePictureName(CardCode card, bool large);
// The back of the weekday (Monday the first .. Sunday the seventh): "Ob03We", "Ob03WeB";
// turned backs lie sideways: "Ob03WeR", "Ob03WeRB".
QString BackPictureName(int dayOfWeek, bool large, bool turned);

class CardPictures {
 public:
  // Loads the 32 faces and the back of the day for the geometry's card size.
  void Load(const WindowGeometry& geometry, QDate today);
  const QPixmap& Face(CardCode card) const;
  const QPixmap& Back() const { return back_; }
  const QPixmap& TurnedBack() const { return turnedBack_; }
  QSize CardSize() const { return size_; }

 private:
  std::map<std::pair<char, char>, QPixmap> faces_;
  QPixmap back_;
  QPixmap turnedBack_;
  QPixmap none_;
  QSize size_{71, 96};
};

}  // namespace klondar::table
