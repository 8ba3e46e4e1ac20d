#include "fonts.h"

#include <algorithm>

#include "font_families.h"
#include "font_roles.h"

namespace klondar::table {

QFont TableFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies(RoleFamilies(FontRole::kDecor));
  font.setPixelSize(std::max(1, FontHeightFor(pixelSize, FontRole::kDecor)));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace klondar::table
