// A whole deal played through the main window with the inputs a player uses: a click off
// the splash, "New Player" and the "Welcome!" dialog, "To Begin", the bidding (with the
// trump dialog when it comes), buying, combinations and nine tricks, to "Next Round".
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

#include "engine/engine.h"
#include "gui_driver.h"
#include "table/gif_player.h"
#include "table/skin_button.h"
#include "table/suit_dialog.h"

namespace klondar::table::testing {
namespace {

TableOptions FastOptions() {
  TableOptions options;
  options.flightSpeed = 5;
  options.sounds = false;
  options.saluteButtons = false;
  options.saluteCards = false;
  return options;
}

int CardsIn(const HandRow& row) {
  int n = 0;
  for (int slot = 1; slot <= 10; ++slot) n += row.cards[slot].IsEmpty() ? 0 : 1;
  return n;
}

// The point in the middle of the visible strip of a hand card.
QPoint CardPoint(const TForm1& window, int slot) {
  const HandRow& row = window.Scene().hand[2];
  int next = slot + 1;
  while (next <= 10 && row.cards[next].IsEmpty()) ++next;
  const int end = next <= 10 ? row.x[next] : row.x[slot] + row.cardWidth;
  return {(row.x[slot] + end) / 2, window.Layout().hand[2].center().y()};
}

class WholeGame : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    window_ = std::make_unique<TForm1>(FastOptions(), home_.path().toStdString(), 16);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  QPushButton* Button(const char* name) { return ButtonOf(window_.get(), name); }

  void StartAsNewPlayer(const QString& name) {
    ModalAnswerer welcome("TFormWelcome", [&](QWidget* dialog) {
      auto* nameEdit = dialog->findChild<QLineEdit*>("NameEdit");
      nameEdit->clear();
      QTest::keyClicks(nameEdit, name);
      QTest::keyClick(nameEdit, Qt::Key_Return);
    });
    Click(Button("Button6"));
    ASSERT_EQ(welcome.Answered(), 1);
  }

  QTemporaryDir home_;
  std::unique_ptr<TForm1> window_;
};

TEST_F(WholeGame, FromTheMenuThroughOneDealToNextRound) {
  EXPECT_EQ(window_->CurrentScreen(), Screen::kSplash);
  QTest::mouseClick(window_.get(), Qt::LeftButton, {}, QPoint(300, 300));
  ASSERT_EQ(window_->CurrentScreen(), Screen::kMenu);
  StartAsNewPlayer("Anna");
  ASSERT_EQ(window_->CurrentScreen(), Screen::kTable);

  // The table as dealt: six cards each, the computer's face down, 20 in the stock.
  const TableScene& scene = window_->Scene();
  EXPECT_EQ(CardsIn(scene.hand[1]), 6);
  EXPECT_EQ(CardsIn(scene.hand[2]), 6);
  EXPECT_FALSE(scene.faceUp[1]);
  EXPECT_TRUE(scene.faceUp[2]);
  EXPECT_EQ(scene.stockLeft, 20);
  EXPECT_EQ(scene.bubbles[2].text, "Anna");
  EXPECT_EQ(scene.bubbles[1].text, "PC");
  EXPECT_EQ(Button("Button7")->text(), "To Begin");
  EXPECT_EQ(scene.panelHint, "Game: 1 / 25");

  // Passing in stage 1 leads to the trump dialog whenever the computer passes as well;
  // there the first suit offered is named.
  ModalAnswerer trump("TFormMastKlo", [](QWidget* dialog) {
    auto* mast = static_cast<TFormMastKlo*>(dialog);
    for (int suit = 1; suit <= 4; ++suit) {
      if (mast->SuitButton(suit)->isEnabled()) {
        Click(mast->SuitButton(suit));
        return;
      }
    }
  });

  bool sawNine = false, sawCombinationsStep = false, refusedOnce = false;
  int tricksSeen = 0;
  const GameState& s = window_->State();
  QPushButton* b7 = Button("Button7");
  QPushButton* b8 = Button("Button8");
  for (int guard = 0; guard < 400; ++guard) {
    ASSERT_TRUE(WaitFor([&] {
      return !window_->StepRunning() &&
             ((b7->isEnabled() && b7->isVisible()) || (b8->isEnabled() && b8->isVisible()) ||
              s.phase == phase::kPlayLocal);
    })) << "stuck in phase "
        << int(s.phase);
    if (b7->text() == "Next Round" || b7->text() == "To sum up of game") break;
    if (s.phase == phase::kPlayLocal) {
      int legal = 0, illegal = 0;
      for (int slot = 1; slot <= 9; ++slot) {
        if (s.hand[2][slot].IsEmpty()) continue;
        (MayPlay(s, 2, slot) ? legal : illegal) = slot;
      }
      ASSERT_NE(legal, 0);
      if (illegal != 0 && !refusedOnce) {
        // A card that may not be played is refused and changes nothing.
        const HandCards before = s.hand[2];
        QTest::mouseClick(window_.get(), Qt::LeftButton, {}, CardPoint(*window_, illegal));
        EXPECT_EQ(s.hand[2], before);
        EXPECT_EQ(s.phase, phase::kPlayLocal);
        refusedOnce = true;
      }
      QTest::mouseClick(window_.get(), Qt::LeftButton, {}, CardPoint(*window_, legal));
      continue;
    }
    if (b8->isEnabled() && s.phase == phase::kBid1Local) {
      Click(b8);
      continue;
    }
    if (s.phase == phase::kCombinationsPending) {
      sawNine = CardsIn(scene.hand[1]) == 9 && CardsIn(scene.hand[2]) == 9 && scene.stockLeft == 14;
      sawCombinationsStep = true;
    }
    if (s.phase == phase::kTrickComplete) {
      ++tricksSeen;
      EXPECT_FALSE(scene.trick[1].IsEmpty());
      EXPECT_FALSE(scene.trick[2].IsEmpty());
    }
    if (s.phase == phase::kDealOver) break;  // thrown in after four passes
    ASSERT_TRUE(b7->isEnabled()) << "phase " << int(s.phase);
    Click(b7);
  }

  if (s.phase == phase::kDealOver && s.taker == 0) GTEST_SKIP() << "the deal was thrown in";
  EXPECT_TRUE(sawNine);
  EXPECT_TRUE(sawCombinationsStep);
  EXPECT_EQ(tricksSeen, 9);
  // In this deal both pass in stage 1 and the user names a suit in the dialog.
  EXPECT_EQ(trump.Answered(), s.trumpNamedInStage2 != 0 && s.taker == 2 ? 1 : 0);
  EXPECT_EQ(b7->text(), "Next Round");
  EXPECT_EQ(CardsIn(scene.hand[1]) + CardsIn(scene.hand[2]), 0);
  // Both boards show the game totals, the taker's with its red star.
  ASSERT_TRUE(scene.boards[1].total && scene.boards[2].total);
  EXPECT_EQ(*scene.boards[1].total + *scene.boards[2].total, s.gamePoints[1] + s.gamePoints[2]);
  EXPECT_EQ(scene.boards[s.taker].star, Star::kRed);

  // F12 writes both hands as they were when the combinations were shown.
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_F12, Qt::NoModifier);
  QApplication::sendEvent(window_.get(), &release);
  QFile dump(QDir(home_.path()).filePath("Klondar.error"));
  ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
  EXPECT_TRUE(dump.readAll().startsWith("Co: "));

  Click(b7);  // "Next Round"
  ASSERT_TRUE(WaitFor([&] { return b7->text() == "To Begin"; }));
  EXPECT_EQ(s.dealNumber, 2);
}

TEST_F(WholeGame, LeavingTheTableAsksFirst) {
  QTest::keyClick(window_.get(), Qt::Key_Space);
  ASSERT_EQ(window_->CurrentScreen(), Screen::kMenu);
  StartAsNewPlayer("Bo");
  ASSERT_EQ(window_->CurrentScreen(), Screen::kTable);
  // The menu's animations are not on the table.
  auto* animation = window_->findChild<GifPlayer*>("RxGIFAn1");
  ASSERT_NE(animation, nullptr);
  EXPECT_FALSE(animation->isVisible());
  EXPECT_FALSE(animation->Running());

  {
    ModalAnswerer no("Confirmation", [](QWidget* box) { Click(ButtonOf(box, "NoButton")); });
    EXPECT_FALSE(window_->close());
    EXPECT_EQ(no.Answered(), 1);
  }
  EXPECT_TRUE(window_->isVisible());

  auto* menu = window_->findChild<QMenu*>("PopupMenu1");
  ASSERT_NE(menu, nullptr);
  QAction* exit = menu->findChild<QAction*>("ExitToMenu");
  ASSERT_NE(exit, nullptr);
  ASSERT_TRUE(exit->isEnabled());
  {
    ModalAnswerer yes("Confirmation", [](QWidget* box) { Click(ButtonOf(box, "YesButton")); });
    exit->trigger();
    EXPECT_EQ(yes.Answered(), 1);
  }
  EXPECT_EQ(window_->CurrentScreen(), Screen::kMenu);
  EXPECT_FALSE(exit->isEnabled());
  EXPECT_TRUE(animation->isVisible());
  EXPECT_TRUE(animation->Running());
  EXPECT_TRUE(window_->close());  // no game: closes without asking
}

TEST_F(WholeGame, TheMenuTitleCyclesItsSevenDesignsAndSmallWindowsHaveNoClocks) {
  QTest::keyClick(window_.get(), Qt::Key_Space);
  ASSERT_EQ(window_->CurrentScreen(), Screen::kMenu);
  EXPECT_FALSE(window_->Menu().clocks.has_value());
  const QPoint title = window_->Menu().caption.center();
  for (const int next : {2, 3, 4, 5, 6, 7, 1}) {
    QTest::mouseClick(window_.get(), Qt::LeftButton, {}, title);
    EXPECT_EQ(window_->MenuShows().titleDesign, next);
  }
}

TEST_F(WholeGame, WelcomeRefusesAnEmptyNameAndDifferentPasswords) {
  QTest::keyClick(window_.get(), Qt::Key_Space);
  int step = 0;
  QString notices;
  ModalAnswerer welcome("TFormWelcome", [&](QWidget* dialog) {
    auto* name = dialog->findChild<QLineEdit*>("NameEdit");
    auto* password = dialog->findChild<QLineEdit*>("PasswordEdit");
    auto* confirmation = dialog->findChild<QLineEdit*>("ConfirmationEdit");
    auto* notice = dialog->findChild<QLabel*>("NoticeLabel");
    switch (step++) {
      case 0:
        EXPECT_EQ(name->text(), "Mr.X");
        EXPECT_EQ(name->cursor().shape(), Qt::BitmapCursor);  // the program's text cursor
        name->clear();
        QTest::keyClick(name, Qt::Key_Return);
        notices += notice->text() + "|";
        EXPECT_EQ(dialog->focusWidget(), name);
        QTest::keyClicks(name, "Eve");
        QTest::keyClicks(password, "abcdefg");  // at most five characters are taken
        EXPECT_EQ(password->text(), "abcde");
        QTest::keyClicks(confirmation, "abcdx");
        QTest::keyClick(confirmation, Qt::Key_Return);
        notices += notice->text();
        EXPECT_EQ(dialog->focusWidget(), confirmation);
        QTest::keyClick(confirmation, Qt::Key_Escape);
        break;
      default:
        Click(ButtonOf(dialog, "CancelButton"));
        break;
    }
  });
  Click(ButtonOf(window_.get(), "Button6"));
  EXPECT_EQ(notices, "Incorrect name!|The passwords do not coincide!");
  EXPECT_EQ(window_->CurrentScreen(), Screen::kMenu);
}

}  // namespace
}  // namespace klondar::table::testing
