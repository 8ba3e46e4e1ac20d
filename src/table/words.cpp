#include "words.h"

#include <QStringList>

namespace klondar::table {
namespace {
int currentLanguage = 0;
}

bool SetLanguage(int language) {
  if (language < 0 || language >= kLanguageCount) return false;
  currentLanguage = language;
  return true;
}

int Language() { return currentLanguage; }

QString Text(Word word) {
  return QString::fromUtf8(kWordTexts[static_cast<std::size_t>(word)]
                                     [static_cast<std::size_t>(currentLanguage)]);
}

QString LanguageName(int language) {
  if (language < 0 || language >= kLanguageCount) return {};
  return QString::fromUtf8(kWordTexts[static_cast<std::size_t>(Word::kLanguageName)]
                                     [static_cast<std::size_t>(language)]);
}

QString PictureSuffix() { return Text(Word::kPictureSuffix); }

QString VoiceSuffix() { return Text(Word::kVoiceSuffix); }

std::optional<Word> WordFromEnglish(std::string_view english) {
  for (int i = 0; i < kWordCount; ++i) {
    if (english == kWordTexts[static_cast<std::size_t>(i)][0]) return static_cast<Word>(i);
  }
  return std::nullopt;
}

QString ShownText(const std::string& engineText) {
  const QString joiner = QStringLiteral(" + ");
  QStringList parts = QString::fromUtf8(engineText).split(joiner);
  for (QString& part : parts) {
    if (const auto word = WordFromEnglish(part.toStdString())) part = Text(*word);
  }
  return parts.join(joiner);
}

}  // namespace klondar::table
