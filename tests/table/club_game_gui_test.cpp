// The club through the main window: a new member plays a whole game to its end and is found
// in the menu's club list, the history and its viewer, and the score window; a member who
// abandons a game loses the record, a wrong password keeps the table closed, and the
// "Multiplayer" option shows the network club.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include <QLabel>
#include <QMessageBox>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>

#include "engine/engine.h"
#include "gui_driver.h"
#include "storage/club_file.h"
#include "storage/club_updates.h"
#include "storage/history_file.h"
#include "storage/settings.h"
#include "table/club_startup.h"
#include "table/end_game_window.h"
#include "table/history_window.h"
#include "table/score_figures.h"
#include "table/score_window.h"
#include "table/skin_button.h"
#include "table/suit_dialog.h"
#include "storage/temp_folder.h"

namespace klondar::table::testing {
namespace {

storage::Settings QuickGame() {
  storage::Settings settings;
  settings.sound = false;
  settings.music = false;
  settings.flyingCards = false;
  settings.flightSpeed = 6;
  settings.buttonSalute = false;
  settings.cardSalute = false;
  settings.rules.targetScore = 301;
  return settings;
}

class ClubGame : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    const ClubStartup club = PrepareClubFiles(Home(), nullptr);
    ASSERT_TRUE(club.usable);
    ASSERT_TRUE(club.localWritable);
    window_ = std::make_unique<TForm1>(TableOptions{}, Home(), 7);
    window_->UseSettings(QuickGame());
    window_->UseClub(true, true);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_Space);
    ASSERT_EQ(window_->CurrentScreen(), Screen::kMenu);
  }

  std::filesystem::path Home() const { return home_.path().toStdString(); }
  std::filesystem::path ClubPath() const { return Home() / storage::kLocalClubFileName; }
  QPushButton* Button(const char* name) { return ButtonOf(window_.get(), name); }
  QAction* Action(const char* name) {
    return window_->findChild<QMenu*>("PopupMenu1")->findChild<QAction*>(name);
  }

  // Answers the "Welcome!" dialog with the name (new player) and the password.
  void Welcome(const char* button, const QString& name, const QString& password) {
    ModalAnswerer welcome("TFormWelcome", [&](QWidget* dialog) {
      auto* nameEdit = dialog->findChild<QLineEdit*>("NameEdit");
      if (nameEdit->isEnabled()) {
        nameEdit->clear();
        QTest::keyClicks(nameEdit, name);
        QTest::keyClicks(dialog->findChild<QLineEdit*>("ConfirmationEdit"), password);
      }
      auto* passwordEdit = dialog->findChild<QLineEdit*>("PasswordEdit");
      QTest::keyClicks(passwordEdit, password);
      QTest::keyClick(passwordEdit, Qt::Key_Return);
      notice_ = dialog->findChild<QLabel*>("NoticeLabel")->text();
      if (dialog->isVisible()) Click(ButtonOf(dialog, "CancelButton"));
    });
    Click(Button(button));
    ASSERT_EQ(welcome.Answered(), 1);
  }

  // Plays with the inputs a player uses until the game is summed up.
  void PlayToTheGameEnd() {
    ModalAnswerer trump("TFormMastKlo", [](QWidget* dialog) {
      auto* mast = static_cast<TFormMastKlo*>(dialog);
      for (int suit = 1; suit <= 4; ++suit) {
        if (mast->SuitButton(suit)->isEnabled()) {
          Click(mast->SuitButton(suit));
          return;
        }
      }
    });
    const GameState& s = window_->State();
    QPushButton* b7 = Button("Button7");
    QPushButton* b8 = Button("Button8");
    for (int guard = 0; guard < 5000; ++guard) {
      ASSERT_TRUE(WaitFor([&] {
        return !window_->StepRunning() &&
               ((b7->isEnabled() && b7->isVisible()) || (b8->isEnabled() && b8->isVisible()) ||
                s.phase == phase::kPlayLocal);
      })) << "stuck in phase " << int(s.phase);
      if (s.gameSummarised != 0) return;
      if (s.phase == phase::kPlayLocal) {
        for (int slot = 1; slot <= 9; ++slot) {
          if (!s.hand[2][slot].IsEmpty() && MayPlay(s, 2, slot)) {
            const HandRow& row = window_->Scene().hand[2];
            int next = slot + 1;
            while (next <= 10 && row.cards[next].IsEmpty()) ++next;
            const int end = next <= 10 ? row.x[next] : row.x[slot] + row.cardWidth;
            QTest::mouseClick(window_.get(), Qt::LeftButton, {},
                              {(row.x[slot] + end) / 2, window_->Layout().hand[2].center().y()});
            break;
          }
        }
        continue;
      }
      if (b8->isEnabled() && s.phase == phase::kBid1Local) {
        Click(b8);
        continue;
      }
      ASSERT_TRUE(b7->isEnabled()) << "phase " << int(s.phase);
      Click(b7);
    }
    FAIL() << "the game did not end";
  }

  QTemporaryDir home_;
  std::unique_ptr<TForm1> window_;
  QString notice_;
};

TEST_F(ClubGame, ANewMembersFinishedGameReachesTheClubTheHistoryAndTheScoreWindow) {
  // "Customizable" needs pictures the program does not have: the first window that would
  // show it switches it off for design 2.
  storage::Settings customizable = QuickGame();
  customizable.auxiliaryCustom = true;
  customizable.auxiliaryDesign = 3;
  window_->UseSettings(customizable);
  // A fresh club: five empty places.
  for (const char* name : {"Button1", "Button5"}) EXPECT_EQ(Button(name)->text(), "###");
  Welcome("Button6", "Anna", "pw");
  ASSERT_EQ(window_->CurrentScreen(), Screen::kTable);
  PlayToTheGameEnd();
  const GameState& s = window_->State();
  const int d = s.gamePoints[2];
  ASSERT_GE(std::abs(d), 1);

  std::array<QString, 7> shown;
  {
    ModalAnswerer score("TFormCount", [&](QWidget* dialog) {
      auto* count = static_cast<TFormCount*>(dialog);
      for (int row = 0; row < 7; ++row) shown[static_cast<std::size_t>(row)] = count->Figure(row);
      EXPECT_EQ(count->windowTitle(), "Player:  Anna");
      Click(ButtonOf(dialog, "Button1"));
    });
    Action("GeneralScore")->trigger();
    ASSERT_EQ(score.Answered(), 1);
  }
  const std::array<QString, 7> expected = {"1", "1", "0", QString::number(d), QString::number(d),
                                           "  0,00", RatingText(d / 20.0)};
  EXPECT_EQ(shown, expected);
  EXPECT_FALSE(window_->CurrentSettings().auxiliaryCustom);
  EXPECT_EQ(window_->CurrentSettings().auxiliaryDesign, 2);

  QPushButton* b8 = Button("Button8");
  ASSERT_TRUE(WaitFor([&] { return b8->isEnabled() && b8->text() == "Exit to menu"; }));
  Click(b8);
  ASSERT_TRUE(WaitFor([&] { return window_->CurrentScreen() == Screen::kMenu; }));

  EXPECT_EQ(Button("Button1")->text(), "Anna   1   " + QString::number(d));
  EXPECT_EQ(Button("Button2")->text(), "###");
  Click(Button("BMode"));
  EXPECT_EQ(Button("Button1")->text(), "Anna   " + RatingText(d / 20.0).trimmed());

  const storage::ClubParse club = storage::ReadClubFile(ClubPath());
  ASSERT_TRUE(club.club);
  ASSERT_TRUE(club.club->members[0]);
  EXPECT_EQ(club.club->members[0]->games, 1);
  EXPECT_EQ(club.club->members[0]->runningTotal, d);
  EXPECT_EQ(club.club->members[0]->password, "pw");
  const storage::HistoryCheck history =
      storage::CheckHistoryFile(storage::HistoryFilePath(Home(), 1));
  ASSERT_TRUE(history.valid) << history.problem;
  ASSERT_EQ(history.rows.size(), 1u);
  EXPECT_EQ(history.rows[0].name, "Anna");
  EXPECT_EQ(history.rows[0].result, std::to_string(d));

  // The menu's "History" shows that file with the game in its grid.
  QStringList files;
  QStringList row;
  {
    ModalAnswerer viewer("TFHistory", [&](QWidget* dialog) {
      auto* view = static_cast<TFHistory*>(dialog);
      for (int i = 0; i < view->Files()->count(); ++i) files << view->Files()->item(i)->text();
      for (int c = 0; c < view->Grid()->columnCount(); ++c) {
        row << (view->Grid()->rowCount() == 1 ? view->Grid()->item(0, c)->text() : QString());
      }
      Click(ButtonOf(dialog, "Button1"));
    });
    Click(Button("BHistory"));
    ASSERT_EQ(viewer.Answered(), 1);
  }
  ASSERT_EQ(files.size(), 1);
  EXPECT_TRUE(files[0].startsWith("File I0001 ")) << files[0].toStdString();
  ASSERT_EQ(row.size(), 7);
  EXPECT_EQ(row[2], "Anna");
  EXPECT_EQ(row[3], "1");
  EXPECT_EQ(row[4], QString::number(d));
  EXPECT_EQ(row[6], "Local");
}

TEST_F(ClubGame, AWrongPasswordKeepsTheTableClosedAndAnAbandonedGameCostsTheRecord) {
  storage::ClubMember bo{"Bo", 1.5, 3, 40, "abc"};
  ASSERT_EQ(storage::StoreGameResult(ClubPath(), bo, storage::kNewPlayerPlace).status,
            storage::ClubUpdateStatus::kDone);
  window_->UseClub(true, true);
  Click(Button("BMode"));  // the list is redrawn from the file
  Click(Button("BMode"));
  ASSERT_EQ(Button("Button1")->text(), "Bo   3   40");

  Welcome("Button1", "", "abd");
  EXPECT_EQ(notice_, "The incorrect password!");
  EXPECT_EQ(window_->CurrentScreen(), Screen::kMenu);

  Welcome("Button1", "", "abc");
  ASSERT_EQ(window_->CurrentScreen(), Screen::kTable);
  EXPECT_EQ(window_->State().gameNumber, 4);
  EXPECT_EQ(window_->State().runningTotal, 40);
  {
    ModalAnswerer yes("Confirmation", [](QWidget* box) { Click(ButtonOf(box, "YesButton")); });
    Action("ExitToMenu")->trigger();
    ASSERT_EQ(yes.Answered(), 1);
  }
  EXPECT_EQ(window_->CurrentScreen(), Screen::kMenu);
  EXPECT_EQ(Button("Button1")->text(), "###");
  const storage::ClubParse club = storage::ReadClubFile(ClubPath());
  ASSERT_TRUE(club.club);
  EXPECT_FALSE(club.club->members[0]);
}

TEST_F(ClubGame, TheTwentyFifthGameClosesTheCycleWithTheEndOfGameWindow) {
  storage::ClubMember bo{"Bo", 3.0, 24, 1000, "abc"};
  ASSERT_EQ(storage::StoreGameResult(ClubPath(), bo, storage::kNewPlayerPlace).status,
            storage::ClubUpdateStatus::kDone);
  window_->UseClub(true, true);
  Click(Button("BMode"));
  Click(Button("BMode"));
  Welcome("Button1", "", "abc");
  ASSERT_EQ(window_->State().gameNumber, 25);
  PlayToTheGameEnd();
  const int total = 1000 + window_->State().gamePoints[2];

  std::array<QString, 4> lines;
  {
    ModalAnswerer end("TFormEndGame", [&](QWidget* dialog) {
      const EndGameTexts& texts = static_cast<TFormEndGame*>(dialog)->Texts();
      for (std::size_t i = 0; i < lines.size(); ++i) lines[i] = texts.lines[i].text;
      Click(ButtonOf(dialog, "Button1"));
    });
    QPushButton* b8 = Button("Button8");
    ASSERT_TRUE(WaitFor([&] { return b8->isEnabled() && b8->text() == "Exit to menu"; }));
    Click(b8);
    ASSERT_TRUE(WaitFor([&] { return window_->CurrentScreen() == Screen::kMenu; }));
    ASSERT_EQ(end.Answered(), 1);
  }
  // A fresh club's top ten is empty, so the first closed cycle is the best.
  const std::array<QString, 4> expected = {"CONGRATULATIONS!!!", "Your result - the best!",
                                           "Result: " + QString::number(total),
                                           "You become a Master of the Order!"};
  EXPECT_EQ(lines, expected);
  const storage::ClubParse club = storage::ReadClubFile(ClubPath());
  ASSERT_TRUE(club.club && club.club->members[0]);
  EXPECT_EQ(club.club->members[0]->games, 25);
  EXPECT_EQ(club.club->members[0]->runningTotal, 0);
  EXPECT_EQ(club.club->topTen[0].name, "Bo");
  EXPECT_EQ(club.club->topTen[0].score, total);
  EXPECT_EQ(Button("Button1")->text(), "Bo   25   0");
}

TEST_F(ClubGame, MultiplayerShowsTheNetworkClubAndItsTopTen) {
  storage::ClubMember net{"Cy", 2.0, 7, 10, "q"};
  ASSERT_EQ(storage::StoreGameResult(Home() / storage::kNetworkClubFileName, net,
                                     storage::kNewPlayerPlace)
                .status,
            storage::ClubUpdateStatus::kDone);
  const auto topTenTitle = [&] {
    QString title;
    ModalAnswerer topTen("TFormTopTen", [&](QWidget* dialog) {
      title = dialog->findChild<QLabel*>("TitleLabel")->text();
      Click(ButtonOf(dialog, "Button1"));
    });
    Click(Button("Button9"));
    return title;
  };
  EXPECT_EQ(Button("Button1")->text(), "###");
  EXPECT_EQ(topTenTitle(), "WINDOWS. LOCAL GAMES WITH PC");

  storage::Settings multiplayer = QuickGame();
  multiplayer.duelMode = true;
  window_->UseSettings(multiplayer);
  Click(Button("BMode"));  // the list is redrawn with the option
  Click(Button("BMode"));
  EXPECT_EQ(Button("Button1")->text(), "Cy   7   10");
  EXPECT_EQ(topTenTitle(), "WINDOWS. NET GAMES");
}

// The start-up check of the club files, with the message the player reads.
TEST(ClubStartupCheck, ADamagedFileEndsTheStartAndAReadOnlyOneIsOnlyRead) {
  struct Case {
    const char* what;
    std::function<void(const std::filesystem::path&)> spoil;
    bool usable;
    bool localWritable;
    QString message;
  };
  const std::vector<Case> cases = {
      {"intact", [](const std::filesystem::path&) {}, true, true, ""},
      {"one character changed",
       [](const std::filesystem::path& file) {
         std::string bytes = storage::testing::ReadBytes(file);
         bytes[3] = bytes[3] == 'x' ? 'y' : 'x';
         std::ofstream(file, std::ios::binary) << bytes;
       },
       false, false, "The incorrect file \"Klondar2.clb\"!"},
      {"read-only",
       [](const std::filesystem::path& file) {
         std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                      std::filesystem::perm_options::remove);
       },
       true, false,
       "The file \"Klondar2.clb\" has incorrect attributes!\n\rThe work of the program will be "
       "incorrect!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir home;
    const std::filesystem::path folder = home.path().toStdString();
    const std::filesystem::path club = folder / storage::kLocalClubFileName;
    ASSERT_TRUE(storage::InstallClubFile(club).ok);
    c.spoil(club);
    QString message;
    ModalAnswerer box("ClubCheckMessage", [&](QWidget* dialog) {
      message = static_cast<QMessageBox*>(dialog)->text();
      static_cast<QDialog*>(dialog)->accept();
    });
    const ClubStartup start = PrepareClubFiles(folder, nullptr);
    EXPECT_EQ(start.usable, c.usable);
    EXPECT_EQ(start.localWritable, c.localWritable);
    EXPECT_EQ(message, c.message);
    // The network club is installed beside a usable one; a damaged one stops everything.
    EXPECT_EQ(std::filesystem::exists(folder / storage::kNetworkClubFileName), c.usable);
  }
}

}  // namespace
}  // namespace klondar::table::testing
