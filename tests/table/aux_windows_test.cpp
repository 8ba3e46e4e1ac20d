// The auxiliary windows' pictures, the score window's header, the end-of-game window's
// medal, the animations both windows show, and the touch effect of their "Ok".
#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <vector>

#include "gui_driver.h"
#include "table/aux_window_look.h"
#include "table/end_game_window.h"
#include "table/gif_player.h"
#include "table/pictures.h"
#include "table/score_window.h"
#include "table/touch_effect.h"

namespace klondar::table {
namespace {

using testing::ButtonOf;
using testing::Click;

TEST(AuxWindowPictures, EachLoadsAtItsSize) {
  struct Case {
    QString name;
    QSize size;
  };
  std::vector<Case> cases = {{"GSvitok", {450, 570}}, {"GCap300", {300, 64}},
                             {"GCap550", {550, 64}},  {"GMedal", {104, 116}},
                             {"LampR24", {24, 24}},   {"LampY24", {24, 24}},
                             {"LampG24", {24, 24}}};
  for (int place = 1; place <= 10; ++place) {
    cases.push_back({QString("GPlace%1").arg(place, 2, 10, QChar('0')), {104, 116}});
  }
  for (const Case& c : cases) {
    const QPixmap picture = Picture(c.name);
    ASSERT_FALSE(picture.isNull()) << c.name.toStdString();
    EXPECT_EQ(picture.size(), c.size) << c.name.toStdString();
  }
  // The scroll is see-through outside its outline.
  EXPECT_EQ(qAlpha(Picture("GSvitok").toImage().pixel(0, 0)), 0);
}

// 1 red, 2 yellow, 3 green, read from a lamp's lit part.
int LampState(QRgb c) {
  if (qRed(c) > 150 && qGreen(c) > 130 && qBlue(c) < 110) return 2;
  if (qRed(c) > qGreen(c) + 80 && qRed(c) > qBlue(c) + 80) return 1;
  if (qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60) return 3;
  return 0;
}

TEST(ScoreWindow, HeaderShowsTheAccountAndTheLampOfItsStateAtTheDesignsPlaces) {
  struct Case {
    int design;
    QPoint account;
    QPoint lamp;
  };
  const Case cases[] = {{1, {23, 0}, {47, 0}}, {2, {25, 7}, {49, 7}}, {3, {0, 25}, {24, 25}}};
  const QImage account = Picture("Account48").toImage();
  // A point on the figure's body, clear of the lamp.
  const QPoint body(24, 38);
  ASSERT_EQ(qAlpha(account.pixel(body)), 255);
  const std::array<QString, 7> figures = {"1", "1", "0", "5", "5", "  0,00", "  0,25"};
  for (const Case& c : cases) {
    for (int state = 1; state <= 3; ++state) {
      TFormCount window(figures, "Anna", c.design, false, false, nullptr, state);
      const QImage header = window.findChild<QLabel*>("Image0")->pixmap().toImage();
      EXPECT_EQ(header.pixel(c.account + body), account.pixel(body)) << c.design;
      EXPECT_EQ(LampState(header.pixel(c.lamp + QPoint(12, 14))), state)
          << "design " << c.design << " state " << state;
    }
  }
}

TEST(EndGameWindow, TheMedalWithThePlaceStandsOnTheScrollForGoodAndBestOnly) {
  // Design 2: the text area's top left is (5, 90); the medal's face centre lies 52 x 72 in.
  const QRect face(QPoint(5 + 173 + 52, 90 + 370 + 72) - QPoint(18, 18), QSize(36, 36));
  const auto faceOf = [&](int place, CyclePlayer player) {
    TFormEndGame window(place, 500, player, 2, false, false, nullptr);
    return window.grab().toImage().copy(face);
  };
  QImage scroll(face.size(), QImage::Format_ARGB32_Premultiplied);
  {
    scroll.fill(ButtonFace());
    QPainter p(&scroll);
    p.drawPixmap(QPoint(0, 0), Picture("GSvitok"), face.translated(-5, -90));
  }
  const QImage plain = scroll.convertToFormat(QImage::Format_RGB32);
  for (const auto& [place, player] :
       {std::pair(0, CyclePlayer::kMember), std::pair(12, CyclePlayer::kRatedAccount)}) {
    EXPECT_EQ(faceOf(place, player).convertToFormat(QImage::Format_RGB32), plain) << place;
  }
  const QImage third = faceOf(3, CyclePlayer::kMember).convertToFormat(QImage::Format_RGB32);
  EXPECT_NE(third, plain);
  for (const int other : {1, 4, 10}) {
    EXPECT_NE(faceOf(other, CyclePlayer::kMember).convertToFormat(QImage::Format_RGB32), third)
        << other;
  }
}

// Whether the touch's overlay was seen over the window while "Ok" was being handled.
bool OkShowsTheTouchAndCloses(QDialog& window) {
  window.show();
  bool seen = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (auto* overlay = window.findChild<QWidget*>("TouchOverlay")) seen |= overlay->isVisible();
  });
  watch.start(5);
  QPushButton* ok = ButtonOf(&window, "Button1");
  QCursor::setPos(ok->mapToGlobal(ok->rect().center()));
  Click(ok);
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.findChild<QWidget*>("TouchOverlay"), nullptr);
  return seen;
}

TEST(AuxWindowAnimations, FollowTheKindOfGameThePlaceAndTheOption) {
  // The score window: the club's pair by the kind of game; the large one runs only with
  // the option, else it stands on frame 14.
  struct ScoreCase {
    ScoreMode mode;
    int accountState;
    QString left, right;
  };
  const std::vector<ScoreCase> scoreCases = {{ScoreMode::kLocal, 1, "GClubC", "GClubF"},
                                             {ScoreMode::kLocal, 2, "GClubC", "GClubF"},
                                             {ScoreMode::kLocal, 3, "GClubA", "GClubB"},
                                             {ScoreMode::kTournament, 3, "GClubE", ""},
                                             {ScoreMode::kDuel, 1, "GClubG", ""}};
  const std::array<QString, 7> figures = {"1", "1", "0", "5", "5", "  0,00", "  0,25"};
  for (const ScoreCase& c : scoreCases) {
    for (const bool animate : {true, false}) {
      TFormCount score(figures, "Anna", 2, false, animate, nullptr, c.accountState, c.mode);
      SCOPED_TRACE(c.left.toStdString() + (animate ? " animated" : " still"));
      EXPECT_EQ(score.Animation(0)->Animation(), "GGenCount");
      EXPECT_EQ(score.Animation(0)->Running(), animate);
      if (!animate) {
        EXPECT_EQ(score.Animation(0)->Frame(), 14);
      }
      EXPECT_EQ(score.Animation(1)->Animation(), c.left);
      EXPECT_EQ(score.Animation(2)->Animation(), c.right);
      EXPECT_TRUE(score.Animation(1)->Running());
    }
  }

  // The end-of-game window: best and good play once to their last frame, bad repeats;
  // standing still they show frame 25, 24 or 3.
  struct EndCase {
    int place;
    QString name;
    int stop, still;
  };
  const std::vector<EndCase> endCases = {{1, "GEndBest", 25, 25},
                                         {3, "GEndGood", 24, 24},
                                         {10, "GEndGood", 24, 24},
                                         {0, "GEndBads", -1, 3},
                                         {12, "GEndBads", -1, 24}};
  for (const EndCase& c : endCases) {
    SCOPED_TRACE(c.place);
    const ResultAnimation result = ResultAnimationFor(c.place);
    EXPECT_EQ(result.name, c.name);
    EXPECT_EQ(result.stopFrame, c.stop);
    EXPECT_EQ(result.stillFrame, c.still);
    TFormEndGame still(c.place, 500, CyclePlayer::kMember, 2, false, false, nullptr);
    EXPECT_FALSE(still.ResultPlayer()->Running());
    EXPECT_EQ(still.ResultPlayer()->Frame(),
              std::min(c.still, still.ResultPlayer()->FrameCount() - 1));
    TFormEndGame moving(c.place, 500, CyclePlayer::kMember, 2, true, false, nullptr);
    EXPECT_TRUE(moving.ResultPlayer()->Running());
  }
  EXPECT_EQ(ClubAnimationFor(CyclePlayer::kMember), "GClubF");
  EXPECT_EQ(ClubAnimationFor(CyclePlayer::kRatedAccount), "GClubB");
  EXPECT_EQ(ClubAnimationFor(CyclePlayer::kDuel), "GClubG");
}

TEST(AuxWindowOk, PlaysTheTouchOnlyWithTheSaluteOptionAndCloses) {
  const std::array<QString, 7> figures = {"1", "1", "0", "5", "5", "  0,00", "  0,25"};
  for (const bool salute : {true, false}) {
    TFormCount score(figures, "Anna", 2, salute, false, nullptr);
    EXPECT_EQ(OkShowsTheTouchAndCloses(score), salute) << "score window, salute " << salute;
    TFormEndGame end(3, 500, CyclePlayer::kMember, 2, false, salute, nullptr);
    EXPECT_EQ(OkShowsTheTouchAndCloses(end), salute) << "end window, salute " << salute;
  }
}

class RecordingScreen : public FlightScreen {
 public:
  explicit RecordingScreen(const QImage& work) : work_(work) {}
  void Present(const QRect& rect) override {
    rects.push_back(rect);
    frames.push_back(work_.copy());
  }
  void Sleep(int milliseconds) override { sleeps.push_back(milliseconds); }

  std::vector<QRect> rects;
  std::vector<QImage> frames;
  std::vector<int> sleeps;

 private:
  const QImage& work_;
};

TEST(TouchFrames, EachFrameIsItsSliceOverTheSavedSquareAndNothingElseChanges) {
  QImage saved(300, 200, QImage::Format_ARGB32_Premultiplied);
  saved.fill(QColor(30, 90, 60));
  {
    QPainter p(&saved);
    p.fillRect(QRect(0, 0, 150, 200), QColor(200, 40, 40));  // a ground that is not flat
  }
  QImage work = saved;
  const QRect square = TouchSquare(QPoint(150, 100));
  ASSERT_EQ(square, QRect(100, 50, 100, 100));
  RecordingScreen screen(work);
  ASSERT_TRUE(RunTouchFrames(work, saved, square, screen));

  ASSERT_EQ(screen.frames.size(), std::size_t(kTouchFrames));
  EXPECT_EQ(screen.rects, std::vector<QRect>(kTouchFrames, square));
  EXPECT_EQ(screen.sleeps, std::vector<int>(kTouchFrames, kTouchFrameMs));
  const QImage strip = Picture("GTouch").toImage();
  for (const int frame : {0, 14, kTouchFrames - 1}) {
    QImage expected = saved.copy(square);
    QPainter p(&expected);
    p.drawImage(QPoint(0, 0), strip, QRect(frame * 100, 0, 100, 100));
    p.end();
    const QImage shown = screen.frames[static_cast<std::size_t>(frame)];
    EXPECT_EQ(shown.copy(square), expected) << frame;
    QImage outside = shown;
    QPainter erase(&outside);
    erase.setCompositionMode(QPainter::CompositionMode_Source);
    erase.drawImage(square.topLeft(), saved, square);
    erase.end();
    EXPECT_EQ(outside, saved) << frame;
  }
  EXPECT_NE(screen.frames.front(), screen.frames.back());
}

}  // namespace
}  // namespace klondar::table
