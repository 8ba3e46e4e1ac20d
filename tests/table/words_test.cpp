// The vocabulary: complete in ten languages, the English column exactly as the program
// shows it, the language suffixes, the font roles, and glyphs for every text.
#include "table/words.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGlyphRun>
#include <QTextLayout>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "table/font_roles.h"
#include "table/fonts.h"

namespace klondar::table {
namespace {

constexpr int kKorean = 9;

std::string Entry(int word, int language) {
  return kWordTexts[static_cast<std::size_t>(word)][static_cast<std::size_t>(language)];
}

// The fixture's lines with the file's escapes turned into line breaks.
std::vector<std::string> CatalogueEnglish() {
  QFile file(KLONDAR_CATALOGUE_ENGLISH);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << KLONDAR_CATALOGUE_ENGLISH;
  std::vector<std::string> texts;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    if (raw.isEmpty() || raw.startsWith('#')) continue;
    texts.push_back(QByteArray(raw).replace("\\n", "\n").replace("\\r", "\r").toStdString());
  }
  return texts;
}

TEST(Words, EveryWordHasTenTextsAndOnlyTheKoreanHistoryHeadingIsEmpty) {
  for (int w = 0; w < kWordCount; ++w) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
      ASSERT_NE(kWordTexts[static_cast<std::size_t>(w)][static_cast<std::size_t>(lang)], nullptr);
      const bool keptEmpty = w == static_cast<int>(Word::kHistoryPlayer) && lang == kKorean;
      EXPECT_EQ(Entry(w, lang).empty(), keptEmpty)
          << "word " << w << " (" << Entry(w, 0) << "), language " << lang;
    }
  }
}

TEST(Words, EnglishColumnHoldsEveryCatalogueTextExactly) {
  std::set<std::string> english;
  for (int w = 0; w < kWordCount; ++w) english.insert(Entry(w, 0));
  const std::vector<std::string> catalogue = CatalogueEnglish();
  ASSERT_GT(catalogue.size(), 400u);
  for (const std::string& text : catalogue) {
    EXPECT_TRUE(english.count(text)) << "no word shows \"" << text << "\"";
  }
}

// Texts joined to others at the point of use keep the shape the joining relies on: the
// line break inside, the space before what follows; and no escape is left unturned.
TEST(Words, LineBreaksAndJoiningSpacesCarryIntoEveryLanguage) {
  const std::array<int, 6> spacedScripts{1, 2, 3, 4, 6, 7};  // Cyrillic and Latin columns
  for (int w = 0; w < kWordCount; ++w) {
    const std::string english = Entry(w, 0);
    const bool lineBreak = english.find("\n\r") != std::string::npos;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
      const std::string text = Entry(w, lang);
      EXPECT_EQ(text.find('\\'), std::string::npos) << text;
      if (!text.empty()) {
        EXPECT_EQ(text.find("\n\r") != std::string::npos, lineBreak) << text;
      }
    }
    if (english.empty() || english.back() != ' ') continue;
    for (int lang : spacedScripts) EXPECT_EQ(Entry(w, lang).back(), ' ') << Entry(w, lang);
  }
  for (Word same : {Word::kMrX, Word::kWindowCaption, Word::kTitleLine}) {
    for (int lang = 1; lang < kLanguageCount; ++lang) {
      EXPECT_EQ(Entry(static_cast<int>(same), lang), Entry(static_cast<int>(same), 0));
    }
  }
}

TEST(Words, TextPicturesAndVoicesFollowTheLanguage) {
  struct Case {
    const char* name;
    const char* picture;
    const char* voice;
    const char* yes;
  };
  const std::array<Case, kLanguageCount> cases{{
      {"English", "Eng", "Eng", "Yes"},
      {"Русский", "Rus", "Rus", "Да"},
      {"Deutsche", "Deu", "Deu", "Ja"},
      {"Français", "Fra", "Fra", "Oui"},
      {"Español", "Spa", "Spa", "Sí"},
      {"中文", "Chi", "Chi", "是"},
      {"Italiano", "Ita", "Ita", "Sì"},
      {"Čeština", "Cze", "Cze", "Ano"},
      {"日本", "Eng", "Jap", "はい"},
      {"한국인", "Eng", "Kor", "예"},
  }};
  for (int lang = 0; lang < kLanguageCount; ++lang) {
    ASSERT_TRUE(SetLanguage(lang));
    const Case& c = cases[static_cast<std::size_t>(lang)];
    EXPECT_EQ(LanguageName(lang), QString::fromUtf8(c.name));
    EXPECT_EQ(PictureSuffix(), c.picture);
    EXPECT_EQ(VoiceSuffix(), c.voice);
    EXPECT_EQ(Text(Word::kYes), QString::fromUtf8(c.yes));
  }
  ASSERT_TRUE(SetLanguage(kKorean));
  EXPECT_EQ(Text(Word::kHistoryPlayer), "");
  EXPECT_EQ(Text(Word::kPlayer), QString::fromUtf8("플레이어"));
  EXPECT_TRUE(LanguageName(10).isEmpty());
  ASSERT_TRUE(SetLanguage(0));
}

TEST(FontRoles, HeightsScaleByTheRoleAndRoundToNearest) {
  EXPECT_EQ(FontRoleChoiceOf(FontRole::kFixed).family, "FixedSys");
  EXPECT_EQ(FontHeightFor(17, FontRole::kSerif), 17);
  ASSERT_TRUE(SetFontRoleChoice(FontRole::kSerif, {"Comic Sans MS", 150}));
  EXPECT_EQ(FontHeightFor(17, FontRole::kSerif), 26);  // 25.5
  EXPECT_EQ(FontHeightFor(17, FontRole::kDecor), 17);  // the other roles keep their scale
  ASSERT_TRUE(SetFontRoleChoice(FontRole::kSerif, {"Comic Sans MS", 50}));
  EXPECT_EQ(FontHeightFor(17, FontRole::kSerif), 9);  // 8.5
  EXPECT_EQ(FontHeightFor(15, FontRole::kSerif), 8);  // 7.5
  EXPECT_FALSE(SetFontRoleChoice(FontRole::kSerif, {"Comic Sans MS", 151}));
  EXPECT_FALSE(SetFontRoleChoice(FontRole::kSerif, {"Comic Sans MS", 49}));
  EXPECT_FALSE(SetFontRoleChoice(FontRole::kSerif, {"", 100}));
  EXPECT_EQ(FontRoleChoiceOf(FontRole::kSerif).scale, 50);
  ASSERT_TRUE(SetFontRoleChoice(FontRole::kSerif, DefaultFontRoleChoice(FontRole::kSerif)));
  EXPECT_EQ(FontHeightFor(17, FontRole::kSerif), 17);

  ASSERT_TRUE(SetLanguage(1));
  EXPECT_EQ(FontRoleCaption(FontRole::kConew), QString::fromUtf8("Особый шрифт 2"));
  ASSERT_TRUE(SetLanguage(0));
  EXPECT_EQ(FontRoleCaption(FontRole::kDecor), "Large font");
  EXPECT_EQ(FontRoleCaption(FontRole::kFixed), "Special font 1");
}

// Glyph 0 is the font's "missing" box: every character of every text must come out of
// the table's font or a fallback font installed with it (the CJK font among them).
TEST(Words, EveryTextHasGlyphsInTheTableFont) {
  const QFont font = TableFont(20);
  for (int w = 0; w < kWordCount; ++w) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
      QString text = QString::fromUtf8(Entry(w, lang));
      text.remove('\n').remove('\r');
      QTextLayout layout(text, font);
      layout.beginLayout();
      layout.createLine();
      layout.endLayout();
      for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 glyph : run.glyphIndexes()) {
          EXPECT_NE(glyph, 0u) << text.toStdString() << " in "
                               << run.rawFont().familyName().toStdString();
        }
      }
    }
  }
}

}  // namespace
}  // namespace klondar::table
