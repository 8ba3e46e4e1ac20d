// The stored font names resolve to installed faces that hold the language's script.
#include "table/font_families.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>

#include "table/words.h"

namespace klondar::table {
namespace {

// Whether the first installed family of the list draws every character of the text.
bool FirstInstalledDraws(const QStringList& families, const QString& text) {
  for (const QString& family : families) {
    if (!QFontDatabase::hasFamily(family)) continue;
    const QFontMetrics metrics{QFont(family)};
    for (const QChar c : text) {
      if (!c.isSpace() && !metrics.inFont(c)) return false;
    }
    return true;
  }
  return false;
}

TEST(FontFamilies, EveryLanguageDrawsItsTextsWithTheDefaultFonts) {
  const struct {
    int language;
    const char* sample;
  } cases[] = {{0, "New Player"},
               {1, "Новый игрок"},
               {5, "新玩家"},
               {8, "新規プレイヤー"},
               {9, "새 플레이어"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(SetLanguage(c.language));
    for (const char* stored : {"Comic Sans MS", "FixedSys", "Courier New"}) {
      const QStringList families = FamiliesFor(stored);
      EXPECT_TRUE(families.contains(stored)) << stored;
      // Where a face lacks a script, Qt falls back along the list; check its first face for
      // the CJK languages and a listed Cyrillic face for Russian.
      if (c.language >= 5) {
        EXPECT_TRUE(FirstInstalledDraws(families, QString::fromUtf8(c.sample)))
            << c.language << " " << stored;
      } else {
        bool drawn = false;
        for (const QString& family : families) {
          drawn = drawn || FirstInstalledDraws({family}, QString::fromUtf8(c.sample));
        }
        EXPECT_TRUE(drawn) << c.language << " " << stored;
      }
    }
  }
  SetLanguage(5);
  EXPECT_EQ(FamiliesFor("Comic Sans MS").first(), "Noto Sans CJK SC");
  SetLanguage(0);
}

}  // namespace
}  // namespace klondar::table
