// Makes every picture of the game: make_pictures OUTDIR DECK.svgz
// The card faces come from the free SVG deck given; everything else is drawn here.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "painting.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_pictures OUTDIR DECK.svgz\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const QString deck = QString::fromLocal8Bit(argv[2]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "make_pictures: cannot create %s\n", argv[1]);
    return 1;
  }
  pictures::SetOutputDir(dir);
  const bool ok = pictures::MakeCardFaces(deck) && pictures::MakeCardBacks() &&
                  pictures::MakeTablePictures() && pictures::MakeWindowPictures(deck) &&
                  pictures::MakeMenuPictures() && pictures::MakeAuxWindowPictures();
  if (!ok) {
    std::fprintf(stderr, "make_pictures: failed (deck %s)\n", argv[2]);
    return 1;
  }
  return 0;
}
