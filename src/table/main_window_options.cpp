// The main window's side of the settings: taking them at start-up, the options window,
// and writing them at close.
#include <QDate>
#include <QMessageBox>
#include <QScreen>

#include "cursors.h"
#include "main_window.h"
#include "options_window.h"
#include "settings_binding.h"
#include "skin_button.h"
#include "speed_dialog.h"
#include "storage/settings_file.h"
#include "words.h"

namespace klondar::table {

void TForm1::UseSettings(const storage::Settings& settings) {
  settings_ = settings;
  saveSettings_ = true;
  lastName_ = QString::fromStdString(settings_.playerName);
  const bool openCards = options_.openCards;
  options_ = TableOptionsFrom(settings_);
  options_.openCards = openCards;
  SetOwnCursors(options_.ownCursors);
  SetNewButtonLook(options_.newButtons);
  menuLook_.titleDesign = options_.titleDesign;
  if (screen_ != Screen::kSplash) ChangeWindowSize();
}

void TForm1::OpenOptions() {
  PlayWaveResource("WOpenFo", false);
  if (screen_ != Screen::kMenu) return;
  const QScreen* s = screen();
  TFormOptions options(settings_, s != nullptr ? s->availableGeometry().size() : QSize(), this);
  connect(&options, &TFormOptions::LanguageChanged, this, [this] { update(); });
  connect(&options, &TFormOptions::PresentationChanged, this, &TForm1::TakePresentationOptions);
  connect(&options, &TFormOptions::WindowSizeChanged, this, &TForm1::ChangeWindowSize);
  options.exec();
  // "Multiplayer" chooses which club the list shows.
  ShowClubList();
}

void TForm1::ChooseSpeed() {
  settings_.flightSpeed = AskFlightSpeed(settings_.flightSpeed, this);
  TakePresentationOptions();
}

void TForm1::TakePresentationOptions() {
  const TableOptions chosen = TableOptionsFrom(settings_);
  options_.flightSpeed = chosen.flightSpeed;
  options_.flyCards = chosen.flyCards;
  options_.sounds = chosen.sounds;
  options_.ownCursors = chosen.ownCursors;
  options_.saluteButtons = chosen.saluteButtons;
  options_.saluteCards = chosen.saluteCards;
  options_.newButtons = chosen.newButtons;
  SetOwnCursors(options_.ownCursors);
  SetNewButtonLook(options_.newButtons);
  for (TVelCardsButton* b : {Button6, Button10, Button11, Button7, Button8}) {
    b->SetNata(options_.newButtons);
  }
  // On the table the engine sets the pointer with its next step.
  if (screen_ != Screen::kTable) SetPointer(PointerShape::kNormal);
  if (screen_ == Screen::kMenu) ShowMenuAnimations();
  update();
}

void TForm1::ChangeWindowSize() {
  options_.windowSize = TableOptionsFrom(settings_).windowSize;
  ApplyWindowSize();
  cards_.Load(geometry_, QDate::currentDate());
  update();
}

void TForm1::SaveSettingsAtClose() {
  settings_.titleDesign = menuLook_.titleDesign;
  if (storage::SaveSettings(programFolder_, settings_).ok) return;
  QMessageBox box(QMessageBox::Warning, Text(Word::kWindowCaption), Text(Word::kCantSaveOptions),
                  QMessageBox::Ok, this);
  box.setObjectName("CantSaveOptions");
  box.exec();
}

}  // namespace klondar::table
