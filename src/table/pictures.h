// The program's own pictures, compiled into it as resources (":/pictures/NAME.png").
#pragma once

#include <QPixmap>
#include <QString>
#include <map>

namespace klondar::table {

// The named picture; a null pixmap when the program has none of that name.
QPixmap Picture(const QString& name);
// The picture smoothly scaled to size (the picture itself when it has that size).
QPixmap PictureScaled(const QString& name, QSize size);

}  // namespace klondar::table

namespace klondar::table {

// Pictures scaled once per size and kept, for drawing that repeats every paint.
class ScaledPictures {
 public:
  const QPixmap& Get(const QString& name, QSize size);
  void Clear() { cache_.clear(); }

 private:
  std::map<std::pair<QString, std::pair<int, int>>, QPixmap> cache_;
};

}  // namespace klondar::table
