// The window keeps painting while a step holds the engine: while cards fly and while the
// computer searches for its card, a repaint asked for meanwhile is served before the step
// ends. Watched through the view calls themselves, at the default flight speed.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTemporaryDir>

#include "engine/engine.h"
#include "gui_driver.h"

namespace klondar::table::testing {
namespace {

// The main window with its flights and its search progress watched: as each begins it asks
// for a repaint of the whole window, and counts the paints that happen before it ends.
class WatchedForm : public TForm1 {
 public:
  using TForm1::TForm1;

  struct Watch {
    int calls = 0;        // flights, or progress reports of the search
    int paints = 0;       // paint events while running
    int wholePaints = 0;  // of them, repaints of the whole window
  };
  Watch flights;
  Watch search;

  void AnimateCardMove(TableSpot from, TableSpot to, CardCode card, bool eraseAtEnd) override {
    ++flights.calls;
    watching_ = &flights;
    AskForRepaint();
    TForm1::AnimateCardMove(from, to, card, eraseAtEnd);
    watching_ = nullptr;
  }

  void ShowThinkingProgress(int percent) override {
    if (percent >= 0) {
      ++search.calls;
      if (watching_ == nullptr) AskForRepaint();
      watching_ = &search;
    }
    TForm1::ShowThinkingProgress(percent);
    if (percent < 0) watching_ = nullptr;
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (watching_ != nullptr) {
      ++watching_->paints;
      if (askedFor_ && event->rect() == rect()) {
        ++watching_->wholePaints;
        askedFor_ = false;
      }
    }
    TForm1::paintEvent(event);
  }

 private:
  // The request is made from the event loop once the step runs, as a window uncovered or
  // moved would make it.
  void AskForRepaint() {
    askedFor_ = false;
    QTimer::singleShot(0, this, [this] {
      askedFor_ = true;
      update();
    });
  }

  Watch* watching_ = nullptr;
  bool askedFor_ = false;
};

TEST(WindowPainting, WhileCardsFlyAndWhileTheComputerSearches) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  TableOptions options;  // flights at the default speed 4
  options.sounds = false;
  options.saluteButtons = false;
  options.saluteCards = false;
  WatchedForm window(options, home.path().toStdString(), 16);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QTest::keyClick(&window, Qt::Key_Space);
  ModalAnswerer welcome("TFormWelcome", [](QWidget* dialog) {
    QTest::keyClick(dialog->findChild<QLineEdit*>("NameEdit"), Qt::Key_Return);
  });
  ModalAnswerer trump("TFormMastKlo", [](QWidget* dialog) {
    for (auto* button : dialog->findChildren<QPushButton*>()) {
      if (button->objectName().startsWith("SuitButton") && button->isEnabled()) {
        Click(button);
        return;
      }
    }
  });
  Click(ButtonOf(&window, "Button6"));

  // Play as a player would until the computer has searched for a card once.
  const GameState& s = window.State();
  QPushButton* b7 = ButtonOf(&window, "Button7");
  for (int guard = 0; guard < 300 && window.search.calls == 0; ++guard) {
    ASSERT_TRUE(WaitFor([&] {
      return window.search.calls > 0 ||
             (!window.StepRunning() && (b7->isEnabled() || s.phase == phase::kPlayLocal));
    })) << "stuck in phase "
        << int(s.phase);
    if (window.search.calls > 0) break;
    if (s.phase == phase::kPlayLocal) {
      for (int slot = 1; slot <= 9; ++slot) {
        if (!MayPlay(s, 2, slot)) continue;
        const HandRow& row = window.Scene().hand[2];
        QTest::mouseClick(&window, Qt::LeftButton, {},
                          QPoint(row.x[slot] + 5, window.Layout().hand[2].center().y()));
        break;
      }
      continue;
    }
    Click(b7);  // "To Begin", "To Play", "Buy cards", ..., "Ok", "Next Round"
  }
  ASSERT_TRUE(WaitFor([&] { return !window.StepRunning(); }));

  ASSERT_GT(window.flights.calls, 0);
  ASSERT_GT(window.search.calls, 0);
  // Every step of a flight reaches the screen, and so does a repaint asked for meanwhile.
  EXPECT_GT(window.flights.paints, window.flights.calls);
  EXPECT_EQ(window.flights.wholePaints, window.flights.calls);
  // Every progress report of the search is painted, and the window is served between them.
  EXPECT_GE(window.search.paints, window.search.calls);
  EXPECT_GE(window.search.wholePaints, 1);
}

}  // namespace
}  // namespace klondar::table::testing
