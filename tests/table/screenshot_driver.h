// What the screenshot programs share: saving a picture without leaving half a file, taking
// the window as the X server shows it, and playing a deal up to its second trick.
#pragma once

#include <QFile>
#include <QPixmap>
#include <QScreen>

#include "engine/engine.h"
#include "gui_driver.h"

namespace klondar::table::testing {

// Written to a temporary file and renamed over the old picture.
inline bool SavePicture(const QPixmap& shot, const QString& path) {
  if (shot.isNull() || !shot.save(path + ".tmp", "PNG")) return false;
  QFile::remove(path);
  return QFile::rename(path + ".tmp", path);
}

inline bool ShootWindow(QWidget& window, const QString& path) {
  WaitFor([] { return false; }, 300);  // let the last paints reach the server
  return SavePicture(window.screen()->grabWindow(window.winId()), path);
}

// Plays as a careful player would, up to the moment the second trick lies on the table.
inline bool PlayIntoTheDeal(TForm1& window) {
  const GameState& s = window.State();
  auto* b7 = ButtonOf(&window, "Button7");
  for (int guard = 0; guard < 200; ++guard) {
    const bool ready = WaitFor(
        [&] { return !window.StepRunning() && (b7->isEnabled() || s.phase == phase::kPlayLocal); });
    if (!ready) return false;
    if (s.phase == phase::kTrickComplete && s.trickNumber == 3) return true;
    if (s.phase == phase::kPlayLocal) {
      for (int slot = 1; slot <= 9; ++slot) {
        if (!MayPlay(s, 2, slot)) continue;
        const HandRow& row = window.Scene().hand[2];
        QTest::mouseClick(&window, Qt::LeftButton, {},
                          QPoint(row.x[slot] + 8, window.Layout().hand[2].center().y()));
        break;
      }
      continue;
    }
    if (s.phase == phase::kDealOver) return false;
    Click(b7);
  }
  return false;
}

}  // namespace klondar::table::testing
