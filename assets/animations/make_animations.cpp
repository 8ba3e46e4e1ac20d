// Makes every animated GIF of the game: make_animations OUTDIR
// Frames are drawn here with QPainter and written with giflib; nothing is copied.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "animation_painting.h"
#include "animations.h"

namespace {

struct Animation {
  const char* name;
  QSize size;
  std::vector<animations::Frame> (*make)();
};

const Animation kAnimations[] = {
    {"GifMenu1", {96, 96}, animations::MenuSuits},
    {"GifMenu2", {96, 96}, animations::MenuFan},
    {"GGenCount", {100, 90}, animations::GeneralCount},
    {"GClubA", {60, 75}, animations::ClubCrest},
    {"GClubB", {60, 75}, animations::ClubStar},
    {"GClubC", {60, 75}, animations::ClubBadge},
    {"GClubE", {60, 75}, animations::ClubTournament},
    {"GClubF", {60, 75}, animations::ClubCards},
    {"GClubG", {60, 75}, animations::ClubDuel},
    {"GEndBest", {100, 200}, animations::EndBest},
    {"GEndGood", {100, 200}, animations::EndGood},
    {"GEndBads", {100, 200}, animations::EndBad},
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_animations OUTDIR\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(dir.path())) {
    std::fprintf(stderr, "make_animations: cannot create %s\n", argv[1]);
    return 1;
  }
  for (const Animation& animation : kAnimations) {
    const std::vector<animations::Frame> frames = animation.make();
    QString failure;
    if (frames.empty() || frames.front().image.size() != animation.size) {
      failure = QString("frames are not %1 x %2")
                    .arg(animation.size.width())
                    .arg(animation.size.height());
    } else {
      failure = animations::WriteLoopingGif(dir.filePath(QString(animation.name) + ".gif"), frames,
                                            animations::kMenuFelt);
    }
    if (!failure.isEmpty()) {
      std::fprintf(stderr, "make_animations: %s: %s\n", animation.name,
                   failure.toLocal8Bit().constData());
      return 1;
    }
  }
  return 0;
}
