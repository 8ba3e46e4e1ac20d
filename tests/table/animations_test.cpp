// The program's animated GIFs as Qt reads them, and the player that shows them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMovie>
#include <functional>
#include <set>

#include "table/gif_player.h"

namespace klondar::table {
namespace {

struct AnimationCase {
  const char* name;
  QSize size;
  int minFrames;
  int maxFrames;
  bool transparent;  // the menu's medallions stand on the felt without a ground of their own
};

const AnimationCase kAnimations[] = {
    {"GifMenu1", {96, 96}, 8, 200, true},     {"GifMenu2", {96, 96}, 8, 200, true},
    {"GGenCount", {100, 90}, 15, 200, false}, {"GClubA", {60, 75}, 8, 200, false},
    {"GClubB", {60, 75}, 8, 200, false},      {"GClubC", {60, 75}, 8, 200, false},
    {"GClubE", {60, 75}, 8, 200, false},      {"GClubF", {60, 75}, 8, 200, false},
    {"GClubG", {60, 75}, 8, 200, false},      {"GEndBest", {100, 200}, 26, 26, false},
    {"GEndGood", {100, 200}, 25, 25, false},  {"GEndBads", {100, 200}, 8, 200, false},
};

TEST(Animations, EveryOneIsALoopingGifOfItsSizeAndFramesThatMoves) {
  for (const AnimationCase& c : kAnimations) {
    SCOPED_TRACE(c.name);
    QImageReader reader(AnimationPath(c.name));
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    EXPECT_EQ(reader.format(), "gif");
    EXPECT_EQ(reader.size(), c.size);
    EXPECT_EQ(reader.loopCount(), -1) << "repeats forever";
    std::vector<QImage> frames;
    QImage frame;
    while (reader.read(&frame)) {
      EXPECT_EQ(frame.size(), c.size);
      EXPECT_GE(reader.nextImageDelay(), 60);
      EXPECT_LE(reader.nextImageDelay(), 100);
      frames.push_back(frame);
    }
    EXPECT_GE(static_cast<int>(frames.size()), c.minFrames);
    EXPECT_LE(static_cast<int>(frames.size()), c.maxFrames);
    ASSERT_FALSE(frames.empty());
    std::set<std::size_t> looks;
    for (const QImage& f : frames) {
      looks.insert(qHashBits(f.constBits(), static_cast<std::size_t>(f.sizeInBytes())));
      // Every frame whole: see-through corners on the menu, an opaque ground elsewhere.
      const QRgb corner = f.pixel(0, 0);
      const QRgb centre = f.pixel(c.size.width() / 2, c.size.height() / 2);
      EXPECT_EQ(qAlpha(corner), c.transparent ? 0 : 255);
      EXPECT_EQ(qAlpha(centre), 255);
    }
    EXPECT_GE(looks.size(), 4u) << "the frames hardly change";
  }
}

// Runs the event loop until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > milliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

void RunEventsFor(int milliseconds) {
  WaitFor([] { return false; }, milliseconds);
}

QImage FrameOf(const QString& name, int index) {
  QImageReader reader(AnimationPath(name));
  QImage frame;
  for (int i = 0; i <= index; ++i) reader.read(&frame);
  return frame.convertToFormat(QImage::Format_ARGB32);
}

QImage Shown(const GifPlayer& player) {
  return player.movie()->currentImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(GifPlayer, StandsOnAFramePlaysOnceToAFrameAndLoops) {
  GifPlayer player("RxGIFAn1", nullptr);
  player.resize(100, 200);
  EXPECT_EQ(player.objectName(), "RxGIFAn1");
  ASSERT_TRUE(player.SetAnimation("GEndBest"));
  EXPECT_EQ(player.FrameCount(), 26);
  EXPECT_EQ(player.Frame(), 0);
  EXPECT_FALSE(player.Running());

  player.StandOn(14);
  EXPECT_EQ(player.Frame(), 14);
  EXPECT_FALSE(player.Running());
  EXPECT_EQ(Shown(player), FrameOf("GEndBest", 14));
  // Back to an earlier frame, and past the last onto the last.
  player.StandOn(3);
  EXPECT_EQ(Shown(player), FrameOf("GEndBest", 3));
  player.StandOn(99);
  EXPECT_EQ(player.Frame(), 25);

  player.PlayOnceStoppingAt(25);
  EXPECT_TRUE(player.Running());
  ASSERT_TRUE(WaitFor([&] { return !player.Running(); }));
  EXPECT_EQ(player.Frame(), 25);
  EXPECT_EQ(Shown(player), FrameOf("GEndBest", 25));

  // Playing loops: the frames come round to the start again.
  ASSERT_TRUE(player.SetAnimation("GEndBads"));
  player.Play();
  bool reachedEnd = false;
  ASSERT_TRUE(WaitFor([&] {
    if (player.Frame() == player.FrameCount() - 1) reachedEnd = true;
    return reachedEnd && player.Frame() == 1;
  }));
  EXPECT_TRUE(player.Running());
  player.Stop();
  const int stoppedAt = player.Frame();
  RunEventsFor(300);
  EXPECT_EQ(player.Frame(), stoppedAt);
}

TEST(GifPlayer, FollowsItsSizeAndShowsNothingForAnUnknownName) {
  GifPlayer player("RxGIFAn2", nullptr);
  player.resize(60, 75);
  player.show();
  ASSERT_TRUE(player.SetAnimation("GClubG"));
  EXPECT_EQ(player.movie()->currentImage().size(), QSize(60, 75));
  player.StandOn(5);
  player.resize(120, 150);
  EXPECT_EQ(player.Frame(), 5);
  EXPECT_EQ(player.movie()->currentImage().size(), QSize(120, 150));

  EXPECT_FALSE(player.SetAnimation("NoSuchAnimation"));
  EXPECT_EQ(player.Frame(), -1);
  EXPECT_EQ(player.movie(), nullptr);
  player.Play();  // nothing to play, and no crash
  EXPECT_FALSE(player.Running());
}

}  // namespace
}  // namespace klondar::table
