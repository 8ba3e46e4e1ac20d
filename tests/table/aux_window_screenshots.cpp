// Screenshots of the auxiliary windows in designs N = 1 to 3: the score window, the
// end-of-game window for a best, a good (places 3 and 10) and a bad result, the top ten and
// the history of games (no history files):
//   aux_window_screenshots OUTDIR
// Writes OUTDIR/score-N.png, end-CLASS-N.png, topten-N.png and history-N.png. Runs
// offscreen.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdio>

#include "screenshot_driver.h"
#include "table/end_game_window.h"
#include "table/history_window.h"
#include "table/score_window.h"
#include "table/top_ten_window.h"

namespace {

using namespace klondar::table;

bool Save(QWidget& window, const QString& path) {
  window.show();
  QApplication::processEvents();
  const QPixmap shot = window.grab();
  window.hide();
  return klondar::table::testing::SavePicture(shot, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "usage: aux_window_screenshots OUTDIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  bool ok = true;
  const std::array<QString, 7> figures = {"50", "25", "1234", "-56", "1178", "  0,00", " 12,34"};
  for (int design = 1; design <= 3; ++design) {
    TFormCount score(figures, "Anna", design, false, false, nullptr);
    ok = Save(score, QString("%1/score-%2.png").arg(dir).arg(design)) && ok;
  }
  struct Shot {
    const char* name;
    int place;
  };
  for (const Shot shot : {Shot{"best", 1}, Shot{"good", 3}, Shot{"bad", 0}, Shot{"ten", 10}}) {
    for (int design = 1; design <= 3; ++design) {
      TFormEndGame end(shot.place, 1234, CyclePlayer::kMember, design, false, false, nullptr);
      ok = Save(end, QString("%1/end-%2-%3.png").arg(dir, shot.name).arg(design)) && ok;
    }
  }
  std::array<klondar::storage::TopTenEntry, klondar::storage::kTopTenPlaces> topTen{};
  topTen[0] = {"Anna", 1234};
  topTen[1] = {"Bo", 980};
  QTemporaryDir empty;
  for (int design = 1; design <= 3; ++design) {
    TFormTopTen top(topTen, false, design, nullptr);
    ok = Save(top, QString("%1/topten-%2.png").arg(dir).arg(design)) && ok;
    TFHistory history(empty.path().toStdString(), design, nullptr);
    ok = Save(history, QString("%1/history-%2.png").arg(dir).arg(design)) && ok;
  }
  if (!ok) std::fprintf(stderr, "aux_window_screenshots: a picture could not be written\n");
  return ok ? 0 : 1;
}
