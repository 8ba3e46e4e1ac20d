#include "font_families.h"

#include <QApplication>
#include <QFont>

#include "words.h"

namespace klondar::table {
namespace {

constexpr int kChinese = 5;
constexpr int kJapanese = 8;
constexpr int kKorean = 9;

// The CJK face of the language: without it fontconfig may draw Chinese with Japanese
// glyph shapes.
QString CjkFace(bool mono) {
  const QString kind = mono ? "Noto Sans Mono CJK " : "Noto Sans CJK ";
  switch (Language()) {
    case kJapanese:
      return kind + "JP";
    case kKorean:
      return kind + "KR";
    default:
      return kind + "SC";
  }
}

}  // namespace

QStringList FamiliesFor(const QString& storedName) {
  const QString name = storedName.toLower();
  const bool mono = name == "fixedsys" || name == "courier new" || name.contains("mono");
  QStringList families;
  const int language = Language();
  if (language == kChinese || language == kJapanese || language == kKorean) {
    // Latin letters and digits of a CJK face sit well with its ideographs.
    families << CjkFace(mono);
  }
  families << storedName;
  if (name == "comic sans ms") {
    families << "Comic Neue";
  } else if (name == "fixedsys") {
    families << "DejaVu Sans Mono"
             << "Terminus";
  } else if (name == "courier new") {
    families << "Liberation Mono"
             << "DejaVu Sans Mono";
  }
  // Comic Neue has no Cyrillic; these hold it.
  families << (mono ? "DejaVu Sans Mono" : "DejaVu Sans") << CjkFace(mono);
  families.removeDuplicates();
  return families;
}

QStringList RoleFamilies(FontRole role) { return FamiliesFor(FontRoleChoiceOf(role).family); }

void ApplyControlFont() {
  QFont font = QApplication::font();
  QStringList families;
  const int language = Language();
  if (language == kChinese || language == kJapanese || language == kKorean)
    families << CjkFace(false);
  families << "DejaVu Sans" << CjkFace(false);
  font.setFamilies(families);
  QApplication::setFont(font);
}

}  // namespace klondar::table
