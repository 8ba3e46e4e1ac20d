// The options window as a player uses it: opened from the menu, a new language, other
// rules and another window size, then the program closed and started again.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <array>

#include "gui_driver.h"
#include "storage/settings_file.h"
#include "table/font_roles.h"
#include "table/gif_player.h"
#include "table/options_window.h"
#include "table/program_start.h"
#include "table/words.h"

namespace klondar::table::testing {
namespace {

constexpr int kRussian = 1;

class OptionsWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(home_.isValid()); }
  void TearDown() override {
    SetLanguage(0);
    for (int role = 0; role < kFontRoleCount; ++role) {
      SetFontRoleChoice(static_cast<FontRole>(role),
                        DefaultFontRoleChoice(static_cast<FontRole>(role)));
    }
  }

  std::unique_ptr<TForm1> Start() {
    auto window = OpenMainWindow(home_.path().toStdString(), 5);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(window->CurrentScreen(), Screen::kMenu);
    return window;
  }

  QTemporaryDir home_;
};

TEST_F(OptionsWindow, ChoicesReachTheFileAndTheNextStart) {
  auto window = Start();
  const QSize smallClient = window->Geometry().client;
  ModalAnswerer options("TFormOptions", [&](QWidget* dialog) {
    auto* tabs = dialog->findChild<QTabWidget*>("PageControl1");
    ASSERT_EQ(tabs->count(), 9);
    EXPECT_EQ(tabs->tabText(0), "General");
    EXPECT_EQ(tabs->tabText(8), "Design");
    // The controls show the settings of a new installation.
    EXPECT_TRUE(dialog->findChild<QRadioButton*>("RadioButton501")->isChecked());
    EXPECT_TRUE(dialog->findChild<QCheckBox*>("CheckBoxFreza")->isChecked());

    dialog->findChild<QListWidget*>("ListBoxLanguage")->setCurrentRow(kRussian);
    // The window follows the language at once.
    EXPECT_EQ(tabs->tabText(0), "Общие");
    EXPECT_EQ(dialog->windowTitle(), Text(Word::kOptions));

    Click(dialog->findChild<QRadioButton*>("RadioButton301"));
    Click(dialog->findChild<QCheckBox*>("CheckBoxFreza"));
    Click(dialog->findChild<QCheckBox*>("CheckBoxQueue"));
    // Full screen is offered on every screen; the menu is laid out again at once.
    auto* sizes = dialog->findChild<QListWidget*>("ListBoxWindow");
    ASSERT_GE(sizes->count(), 2);
    EXPECT_EQ(sizes->item(0)->toolTip(), "760 x 500");
    sizes->setCurrentRow(1);
    EXPECT_EQ(window->Geometry().client,
              ClientSizeFor(WindowSize::kFullScreen, window->screen()->geometry().size()));
    // The speed dialog, from the button that shows the speed.
    ModalAnswerer speed("TFormSpeed", [](QWidget* speedDialog) {
      auto* track = speedDialog->findChild<QSlider*>("TrackBar1");
      EXPECT_EQ(track->minimum(), 1);
      EXPECT_EQ(track->maximum(), 6);
      EXPECT_EQ(track->value(), 4);
      track->setValue(2);
      Click(ButtonOf(speedDialog, "OkButton"));
    });
    Click(ButtonOf(dialog, "ButtonSpeed"));
    EXPECT_EQ(ButtonOf(dialog, "ButtonSpeed")->text(), "Скорость=2");
    Click(ButtonOf(dialog, "ButtonOk"));
  });
  Click(ButtonOf(window.get(), "Button10"));
  ASSERT_EQ(options.Answered(), 1);
  EXPECT_NE(window->Geometry().client, smallClient);
  EXPECT_EQ(window->Menu().newPlayer, LayoutMenu(window->Geometry()).newPlayer);
  // The main window's fixed captions follow at the next start.
  EXPECT_EQ(ButtonOf(window.get(), "Button6")->text(), "New Player");
  window->close();
  window.reset();

  const storage::LoadedSettings file = storage::LoadSettings(home_.path().toStdString());
  ASSERT_EQ(file.source, storage::SettingsSource::kFile);
  EXPECT_EQ(file.settings.language, kRussian);
  EXPECT_EQ(file.settings.windowSize, static_cast<int>(WindowSize::kFullScreen));
  EXPECT_EQ(file.settings.rules.targetScore, 301);
  EXPECT_FALSE(file.settings.rules.optFreza);
  EXPECT_TRUE(file.settings.rules.optAlternateFirstBidder);
  EXPECT_TRUE(file.settings.rules.optTrumpSevenExchange);
  EXPECT_EQ(file.settings.flightSpeed, 2);

  SetLanguage(0);
  auto again = Start();
  EXPECT_EQ(Language(), kRussian);
  EXPECT_EQ(ButtonOf(again.get(), "Button6")->text(), "Новый игрок");
  EXPECT_EQ(again->CurrentSettings().rules.targetScore, 301);
  EXPECT_EQ(again->Geometry().client,
            ClientSizeFor(WindowSize::kFullScreen, again->screen()->geometry().size()));
}

TEST_F(OptionsWindow, TheGifCheckBoxStartsAndStopsTheMenuAnimationsAtOnce) {
  auto window = Start();
  const auto players = [&] {
    return std::array{window->findChild<GifPlayer*>("RxGIFAn1"),
                      window->findChild<GifPlayer*>("RxGIFAn2")};
  };
  for (GifPlayer* player : players()) {
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(player->isVisible());
    EXPECT_TRUE(player->Running()) << "on in a new installation";
  }
  EXPECT_EQ(players()[0]->Animation(), "GifMenu1");
  EXPECT_EQ(players()[1]->Animation(), "GifMenu2");
  ModalAnswerer options("TFormOptions", [&](QWidget* dialog) {
    auto* gif = dialog->findChild<QCheckBox*>("CheckBoxGif");
    ASSERT_TRUE(gif->isChecked());
    // On the box itself: the wide check box takes no click right of its caption.
    const auto tick = [gif] {
      QTest::mouseClick(gif, Qt::LeftButton, {}, QPoint(6, gif->height() / 2));
    };
    tick();
    for (GifPlayer* player : players()) {
      EXPECT_FALSE(player->Running());
      EXPECT_EQ(player->Frame(), 0);
    }
    tick();
    for (GifPlayer* player : players()) EXPECT_TRUE(player->Running());
    tick();
    Click(ButtonOf(dialog, "ButtonOk"));
  });
  Click(ButtonOf(window.get(), "Button10"));
  ASSERT_EQ(options.Answered(), 1);
  window->close();
  window.reset();

  // Off in the settings: the next start shows them still.
  ASSERT_FALSE(storage::LoadSettings(home_.path().toStdString()).settings.menuAnimation);
  auto again = Start();
  for (GifPlayer* player :
       {again->findChild<GifPlayer*>("RxGIFAn1"), again->findChild<GifPlayer*>("RxGIFAn2")}) {
    EXPECT_TRUE(player->isVisible());
    EXPECT_FALSE(player->Running());
    EXPECT_EQ(player->Frame(), 0);
  }
}

TEST_F(OptionsWindow, TheStockHintShowsTheWordGameInTheLanguage) {
  ASSERT_TRUE(SetLanguage(kRussian));
  TForm1 window(TableOptions{}, home_.path().toStdString());
  window.SetStockHint("Game: 3 / 25");
  EXPECT_EQ(window.Scene().panelHint, "Игра: 3 / 25");
}

TEST_F(OptionsWindow, DamagedFileStartsWithDefaultsAndNoMessage) {
  QFile file(home_.filePath(QString::fromLatin1(storage::kSettingsFileName.data())));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<# General>\r\n9\xff\x01garbage\r\n\r\n");
  file.close();
  auto window = Start();
  EXPECT_EQ(Language(), 0);
  EXPECT_EQ(window->Geometry().client, QSize(kDesignWidth, kDesignHeight));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(WindowSizeList, OffersTheSizesTheScreenHolds) {
  using W = WindowSize;
  const struct {
    QSize screen;
    std::vector<WindowSize> sizes;
  } cases[] = {
      {{800, 600}, {W::kSmall, W::kFullScreen}},
      {{990, 650}, {W::kSmall, W::kFullScreen, W::kAverage1}},
      {{1300, 860}, {W::kSmall, W::kFullScreen, W::kAverage1, W::kAverage2}},
      {{1920, 1080}, {W::kSmall, W::kFullScreen, W::kAverage1, W::kAverage2, W::kLarge}},
  };
  for (const auto& c : cases) EXPECT_EQ(WindowSizesThatFit(c.screen), c.sizes) << c.screen.width();
  EXPECT_EQ(WindowSizeHint(W::kLarge), "1520 x 1000");
  EXPECT_EQ(WindowSizeHint(W::kFullScreen), "");
}

}  // namespace
}  // namespace klondar::table::testing
