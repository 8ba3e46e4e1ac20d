#include "fonts.h"

#include <QStringList>
#include <algorithm>

namespace klondar::table {

QFont TableFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies(QStringList{"Comic Sans MS", "Comic Neue", "DejaVu Sans"});
  font.setPixelSize(std::max(1, pixelSize));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace klondar::table
