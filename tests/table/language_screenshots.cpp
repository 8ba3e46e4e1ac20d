// Screenshots of the menu, the options window (every tab) and the table in the middle of
// a deal, in Russian, Chinese and Korean at the small window, each started as a player's
// program starts: from a settings file that names the language. Run under Xvfb:
//   language_screenshots OUTDIR
// Writes OUTDIR/LANG-menu.png, LANG-options-N.png (N = tab 1..9) and LANG-table.png, and
// russian-switched-options.png and -menu.png after a change to Korean in the open window.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "engine/engine.h"
#include "screenshot_driver.h"
#include "storage/settings_file.h"
#include "table/program_start.h"

namespace {

using namespace klondar;
using namespace klondar::table;
using namespace klondar::table::testing;

// The Russian run switches to Korean in the options window and back.
constexpr int kSwitchFrom = 1;
constexpr int kSwitchTo = 9;

bool ShootLanguage(int language, const QString& dir, const QString& name) {
  QTemporaryDir home;
  storage::Settings settings;
  settings.language = language;
  settings.sound = false;
  settings.flightSpeed = 5;
  if (!home.isValid() || !storage::SaveSettings(home.path().toStdString(), settings).ok) {
    return false;
  }
  const auto window = OpenMainWindow(home.path().toStdString(), 21);
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return false;
  QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(200, 200));
  if (!ShootWindow(*window, dir + "/" + name + "-menu.png")) return false;

  bool shot = false;
  ModalAnswerer options("TFormOptions", [&](QWidget* dialog) {
    auto* tabs = dialog->findChild<QTabWidget*>("PageControl1");
    shot = true;
    for (int tab = 0; tab < tabs->count(); ++tab) {
      tabs->setCurrentIndex(tab);
      WaitFor([] { return false; }, 100);
      shot = shot && SavePicture(dialog->grab(),
                          dir + "/" + name + "-options-" + QString::number(tab + 1) + ".png");
    }
    // A change of language while the window is open: it and the menu follow at once.
    if (language == kSwitchFrom) {
      tabs->setCurrentIndex(0);
      dialog->findChild<QListWidget*>("ListBoxLanguage")->setCurrentRow(kSwitchTo);
      WaitFor([] { return false; }, 200);
      shot = shot && SavePicture(dialog->grab(), dir + "/" + name + "-switched-options.png");
      shot = shot && ShootWindow(*window, dir + "/" + name + "-switched-menu.png");
      dialog->findChild<QListWidget*>("ListBoxLanguage")->setCurrentRow(language);
    }
    Click(ButtonOf(dialog, "ButtonOk"));
  });
  Click(ButtonOf(window.get(), "Button10"));
  if (!shot) return false;

  ModalAnswerer welcome("TFormWelcome", [](QWidget* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>("NameEdit");
    edit->clear();
    QTest::keyClicks(edit, "Anna");
    QTest::keyClick(edit, Qt::Key_Return);
  });
  Click(ButtonOf(window.get(), "Button6"));
  if (!PlayIntoTheDeal(*window)) return false;
  const bool ok = ShootWindow(*window, dir + "/" + name + "-table.png");
  // The game runs on; leave without the question.
  window->hide();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: language_screenshots OUTDIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(dir)) return 1;
  const struct {
    int language;
    const char* name;
  } languages[] = {{1, "russian"}, {5, "chinese"}, {9, "korean"}};
  for (const auto& l : languages) {
    if (!ShootLanguage(l.language, dir, l.name)) {
      std::fprintf(stderr, "language_screenshots: failed at %s\n", l.name);
      return 1;
    }
  }
  std::printf("screenshots written to %s\n", argv[1]);
  return 0;
}
