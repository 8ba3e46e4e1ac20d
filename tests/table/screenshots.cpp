// Screenshots of the window as the X server shows it: the menu and the table in the middle
// of a deal, at each of the five window sizes. Run under Xvfb on a screen that holds the
// largest window (1520 x 1000); full screen takes the whole screen:
//   table_screenshots OUTDIR
// Writes OUTDIR/menu-SIZE.png and table-SIZE.png for SIZE small, average1, average2, large
// and full, and OUTDIR/history.png, the history viewer with a few games.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

#include "engine/engine.h"
#include "screenshot_driver.h"
#include "storage/history_file.h"
#include "table/history_window.h"

namespace {

using namespace klondar;
using namespace klondar::table;
using namespace klondar::table::testing;

bool ShootSize(WindowSize size, const QString& dir, const QString& suffix) {
  TableOptions options;
  options.windowSize = size;
  options.sounds = false;
  options.flightSpeed = 5;
  TForm1 window(options, QDir::tempPath().toStdString(), 21);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(200, 200));
  if (!ShootWindow(window, dir + "/menu-" + suffix + ".png")) return false;
  ModalAnswerer welcome("TFormWelcome", [](QWidget* dialog) {
    auto* name = dialog->findChild<QLineEdit*>("NameEdit");
    name->clear();
    QTest::keyClicks(name, "Anna");
    QTest::keyClick(name, Qt::Key_Return);
  });
  Click(ButtonOf(&window, "Button6"));
  if (!PlayIntoTheDeal(window)) return false;
  return ShootWindow(window, dir + "/table-" + suffix + ".png");
}

bool ShootHistory(const QString& dir) {
  QTemporaryDir home;
  if (!home.isValid()) return false;
  const std::filesystem::path folder = home.path().toStdString();
  const storage::HistoryEntry games[] = {
      {"Anna", 1, 120, 6.0, storage::HistoryKind::kLocal},
      {"Anna", 2, -40, 2.5, storage::HistoryKind::kLocal},
      {"Bo/Cy", 1, 301, 15.05, storage::HistoryKind::kNetwork},
      {"Mr.X", 12, -7, -0.35, storage::HistoryKind::kAccount}};
  int minute = 0;
  for (const storage::HistoryEntry& game : games) {
    if (!storage::AppendHistory(folder, {&game, 1}, {2026, 12, 11, 9, minute += 7}).ok) {
      return false;
    }
  }
  TFHistory window(folder, 2, nullptr);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  WaitFor([] { return false; }, 300);
  const QPixmap shot = window.grab();
  return SavePicture(shot, dir + "/history.png");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: table_screenshots OUTDIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(dir)) return 1;
  const struct {
    WindowSize size;
    const char* name;
  } sizes[] = {{WindowSize::kSmall, "small"},
               {WindowSize::kAverage1, "average1"},
               {WindowSize::kAverage2, "average2"},
               {WindowSize::kLarge, "large"},
               {WindowSize::kFullScreen, "full"}};
  for (const auto& size : sizes) {
    if (!ShootSize(size.size, dir, size.name)) {
      std::fprintf(stderr, "table_screenshots: failed at %s\n", size.name);
      return 1;
    }
  }
  if (!ShootHistory(dir)) {
    std::fprintf(stderr, "table_screenshots: failed at the history viewer\n");
    return 1;
  }
  std::printf("screenshots written to %s\n", argv[1]);
  return 0;
}
