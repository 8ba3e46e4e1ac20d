// The smaller parts of the table: score boards, bubbles, words, the welcome checks, the
// scene a card flies over, card, button, clock and sound resources.
#include <gtest/gtest.h>

#include <QFile>

#include "table/card_pictures.h"
#include "table/hand_layout.h"
#include "table/pictures.h"
#include "table/score_board.h"
#include "table/skin_button.h"
#include "table/sounds.h"
#include "table/speech_bubble.h"
#include "table/table_scene.h"
#include "table/welcome_check.h"
#include "table/words.h"

namespace klondar::table {
namespace {

TEST(ScoreBoard, ClearKeepAndRepaint) {
  ScoreBoard b;
  ApplyScoreCall(b, TurnMark::kClear, true, 0, 0, Star::kClear);
  EXPECT_EQ(b.deal, 0);
  EXPECT_EQ(b.total, 0);
  ApplyScoreCall(b, TurnMark::kKeep, false, kKeepValue, kKeepValue, Star::kRed);
  EXPECT_EQ(b.star, Star::kRed);
  ApplyScoreCall(b, TurnMark::kSet, false, 42, kKeepValue, Star::kKeep);
  EXPECT_EQ(b.deal, 42);
  EXPECT_EQ(b.total, 0);
  EXPECT_TRUE(b.turnMark);
  EXPECT_EQ(b.star, Star::kRed);
  ApplyScoreCall(b, TurnMark::kKeep, false, kClearValue, 120, Star::kKeep);
  EXPECT_FALSE(b.deal.has_value());
  EXPECT_EQ(b.total, 120);
  EXPECT_TRUE(b.turnMark);
  ApplyScoreCall(b, TurnMark::kKeep, true, 0, 0, Star::kClear);
  EXPECT_FALSE(b.turnMark);
  EXPECT_EQ(b.star, Star::kClear);
  EXPECT_EQ(SignedValue(12), "+12");
  EXPECT_EQ(SignedValue(0), "0");
  EXPECT_EQ(SignedValue(-30), "-30");
}

TEST(SpeechBubble, PicturesAndFontFitting) {
  EXPECT_EQ(BubblePictureName('b', false), "SPBlue");
  EXPECT_EQ(BubblePictureName('o', true),
            "SPFiolet"
            "B");
  EXPECT_EQ(BubblePictureName('x', false), "");
  const auto scaled = [](double v) { return static_cast<int>(v * 2); };
  // Width grows 10 pixels per font pixel: 36 -> 360 > 300, 32 -> 320 > 300, so 28.
  EXPECT_EQ(FittingFontSize([](int px) { return px * 10; }, scaled), 28);
  EXPECT_EQ(FittingFontSize([](int px) { return px * 9; }, scaled), 32);
  EXPECT_EQ(FittingFontSize([](int) { return 10; }, scaled), 36);
}

TEST(Words, EngineTextsShowAsWordsAndNamesStayAsTheyAre) {
  ASSERT_TRUE(SetLanguage(0));
  EXPECT_EQ(WordFromEnglish("Exhibit combinations"), Word::kExhibitCombinations);
  EXPECT_FALSE(WordFromEnglish("Anna").has_value());
  EXPECT_EQ(ShownText("Klondar + Tertz"), "Klondar + Tertz");
  EXPECT_EQ(ShownText("Anna"), "Anna");
  EXPECT_FALSE(SetLanguage(10));
  EXPECT_EQ(Language(), 0);
}

TEST(Welcome, NewPlayerChecksInOrder) {
  EXPECT_EQ(CheckNewPlayer("   ", "a", "b")->message, Word::kIncorrectName);
  EXPECT_EQ(CheckNewPlayer("", "", "")->field, WelcomeField::kName);
  const auto differ = CheckNewPlayer("Anna", "abc", "abd");
  ASSERT_TRUE(differ.has_value());
  EXPECT_EQ(differ->message, Word::kPasswordsDoNotCoincide);
  EXPECT_EQ(differ->field, WelcomeField::kConfirmation);
  EXPECT_FALSE(CheckNewPlayer("Anna", "", "").has_value());
  EXPECT_EQ(FixedWidth("Anna", kNameLength), "Anna                ");
  EXPECT_EQ(FixedWidth("abcdefg", kPasswordLength), "abcde");
}

TEST(Resources, EveryCardFaceAndBackIsBuiltIn) {
  for (int suit = 1; suit <= 4; ++suit) {
    for (int rank = 1; rank <= 8; ++rank) {
      for (const bool large : {false, true}) {
        const QString name = FacePictureName(MakeCard(kRanks[rank], kSuits[suit]), large);
        const QPixmap face = Picture(name);
        ASSERT_FALSE(face.isNull()) << name.toStdString();
        EXPECT_EQ(face.size(), large ? QSize(146, 198) : QSize(71, 96));
      }
    }
  }
  EXPECT_EQ(FacePictureName(MakeCard(kAce, kHearts), false), "Ch5A");
  EXPECT_EQ(FacePictureName(kEmptyCard, false), "");
  for (int day = 1; day <= 7; ++day) {
    EXPECT_FALSE(Picture(BackPictureName(day, true, true)).isNull());
    EXPECT_FALSE(Picture(BackPictureName(day, false, false)).isNull());
  }
  EXPECT_EQ(BackPictureName(3, false, false), "Ob03We");
  EXPECT_EQ(BackPictureName(7, true, true), "Ob07SuRB");
}

TEST(FlightScene, ACardStillOrAlreadyDrawnInAHandIsNotShownThereWhileItFlies) {
  TableScene scene;
  HandCards cards;
  cards.fill(kEmptyCard);
  const CardCode bought = MakeCard(kAce, kSpades);
  cards[1] = MakeCard(kSeven, kHearts);
  cards[2] = bought;
  cards[3] = MakeCard(kKing, kClubs);
  for (int player = 1; player <= 2; ++player) scene.hand[player] = LayoutHand(cards, 170, 590, 71);

  for (int player = 1; player <= 2; ++player) {
    const TableScene flying =
        SceneUnderFlight(scene, TableSpot::Stock(), TableSpot::Hand(player, 2), bought);
    EXPECT_TRUE(flying.hand[player].cards[2].IsEmpty());
    // The others stay where the player sees them, and the other hand is untouched.
    EXPECT_EQ(flying.hand[player].cards[1], cards[1]);
    EXPECT_EQ(flying.hand[player].x, scene.hand[player].x);
    EXPECT_EQ(flying.hand[3 - player].cards, cards);
  }
  // The seven given for the turned-up card leaves a hand that still shows it.
  const TableScene leaving =
      SceneUnderFlight(scene, TableSpot::Hand(1, 1), TableSpot::TurnedUp(), cards[1]);
  EXPECT_TRUE(leaving.hand[1].cards[1].IsEmpty());
  EXPECT_EQ(leaving.hand[1].cards[2], bought);
  // A card no longer or not yet drawn in the hand leaves the scene alone.
  const CardCode other = MakeCard(kNine, kDiamonds);
  EXPECT_EQ(SceneUnderFlight(scene, TableSpot::Stock(), TableSpot::Hand(2, 4), other).hand[2].cards,
            cards);
  EXPECT_EQ(SceneUnderFlight(scene, TableSpot::Hand(2, 2), TableSpot::Trick(2), other).hand[2].cards,
            cards);
}

TEST(Resources, ButtonSkinsInBothLooksAndTheClockPictures) {
  for (const SkinHeight height : {SkinHeight::D30, SkinHeight::D45, SkinHeight::D60}) {
    for (const bool newLook : {false, true}) {
      for (const char part : {'L', 'R', '2'}) {
        const QString name = SkinPieceName(height, newLook, part);
        const QPixmap piece = Picture(name);
        ASSERT_FALSE(piece.isNull()) << name.toStdString();
        EXPECT_EQ(piece.height(), static_cast<int>(height)) << name.toStdString();
      }
    }
  }
  EXPECT_EQ(SkinPieceName(SkinHeight::D45, false, 'L'), "R44_L");
  EXPECT_EQ(SkinPieceName(SkinHeight::D60, true, '2'), "Q59_2");

  QStringList names = {"GClockBG", "GBClockP", "CUREDIT"};
  for (int digit = 0; digit <= 9; ++digit) names << "GBClock" + QString::number(digit);
  for (const char* set :
       {"GRClock", "GAClock", "GGClock", "GYClock", "GVClock", "GLClock", "GNClock"}) {
    for (const QChar digit : QString("0123456789M")) names << QString(set) + digit;
  }
  for (const QString& name : names) EXPECT_FALSE(Picture(name).isNull()) << name.toStdString();
  // The animated text cursor is a strip of 32 x 32 frames.
  const QPixmap edit = Picture("CUREDIT");
  EXPECT_EQ(edit.height(), 32);
  EXPECT_EQ(edit.width() % 32, 0);
  EXPECT_GT(edit.width(), 32);
}

TEST(Resources, SoundLengthsComeFromTheWavHeader) {
  QFile ding(":/sounds/WDing_1.wav");
  ASSERT_TRUE(ding.open(QIODevice::ReadOnly));
  EXPECT_NEAR(WavDurationMs(ding.readAll()), 450, 2);
  EXPECT_EQ(WavDurationMs("RIFF----WAVEfmt "), 0);
  EXPECT_EQ(WavDurationMs(QByteArray(60, 'x')), 0);
}

}  // namespace
}  // namespace klondar::table
