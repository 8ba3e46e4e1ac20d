#include "speech_bubble.h"

namespace klondar::table {

QString BubblePictureName(char colour, bool large) {
  QString name;
  switch (colour) {
    case 'b': name = "SPBlue"; break;
    case 'g': name = "SPGreen"; break;
    case 'r': name = "SPRed"; break;
    case 'y': name = "SPYellow"; break;
    case 'o': name = "SPFiolet"; break;
    default: return {};
  }
  return large ? name + "B" : name;
}

int FittingFontSize(const std::function<int(int)>& widthAt,
                    const std::function<int(double)>& scaled) {
  const int limit = scaled(150);
  for (const int size : {18, 16}) {
    if (widthAt(scaled(size)) <= limit) return scaled(size);
  }
  return scaled(14);
}

}  // namespace klondar::table
