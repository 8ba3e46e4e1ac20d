// TFormOptions: the options window. Each control shows its setting when the window is
// shown and writes it back as soon as it changes; the file is written at the program's
// close, not here.
#pragma once

#include <QDialog>
#include <filesystem>
#include <vector>

#include "card_pictures.h"
#include "storage/settings.h"
#include "window_geometry.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace klondar::table {

class LanguageList;

// The window sizes the list offers on a screen of this available size, in list order:
// small and full screen always, the others when the screen holds them.
std::vector<WindowSize> WindowSizesThatFit(QSize available);
// The list entry's hint: "760 x 500" ...; none for full screen.
QString WindowSizeHint(WindowSize size);

class TFormOptions : public QDialog {
  Q_OBJECT

 public:
  TFormOptions(storage::Settings& settings, QSize screenAvailable, QWidget* parent = nullptr);

 signals:
  void LanguageChanged();
  void WindowSizeChanged();
  // Sounds, flights, cursors, button looks, salutes.
  void PresentationChanged();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* MakeGeneralTab();
  QWidget* MakeCardsTab();
  QWidget* MakeDecksTab();
  QWidget* MakeGameTab();
  QWidget* MakeFontsTab();
  QWidget* MakeBackgroundTab();
  QWidget* MakeSaveGamesTab();
  QWidget* MakeDllTab();
  QWidget* MakeDesignTab();
  // The captions of every fixed control in the current language.
  void ApplyLanguage();
  // Every control from its setting, without writing anything back.
  void ShowSettings();
  void ShowFontRole();
  void ShowGifControls();
  void ChooseLanguage(int language);
  void ChooseWindowSize(int row);
  void StoreFontRole();

  storage::Settings& settings_;
  // While the controls are being set from the settings their change events write nothing.
  bool showing_ = false;
  std::vector<WindowSize> sizes_;
  CardPictures previewCards_;

  QTabWidget* PageControl1 = nullptr;
  // General.
  QGroupBox* GroupBoxMultimedia = nullptr;
  QCheckBox* CheckBoxSound = nullptr;
  QCheckBox* CheckBoxMusic = nullptr;
  QCheckBox* CheckBoxGif = nullptr;
  QCheckBox* CheckBoxFly = nullptr;
  QCheckBox* CheckBoxCursor = nullptr;
  QPushButton* ButtonSpeed = nullptr;
  QPushButton* ButtonPassport = nullptr;
  QCheckBox* CheckBoxNewButtons = nullptr;
  QCheckBox* CheckBoxMultiplayer = nullptr;
  QListWidget* ListBoxWindow = nullptr;
  LanguageList* ListBoxLanguage = nullptr;
  // Cards and decks.
  QListWidget* ListBoxDeck = nullptr;
  std::vector<QLabel*> preview_;
  std::vector<QPushButton*> deckDownloads_;
  QListWidget* ListBoxBack = nullptr;
  QGroupBox* RadioGroupModification = nullptr;
  QButtonGroup* modification_ = nullptr;
  QPushButton* ButtonBackDownload = nullptr;
  // Game.
  QGroupBox* GroupBoxMain = nullptr;
  QGroupBox* RadioGroupDial = nullptr;
  QRadioButton* RadioButton301 = nullptr;
  QRadioButton* RadioButton501 = nullptr;
  QGroupBox* GroupBoxMinor = nullptr;
  QCheckBox* CheckBoxTrumpSeven = nullptr;
  QCheckBox* CheckBoxBella = nullptr;
  QCheckBox* CheckBoxOvertrump = nullptr;
  QCheckBox* CheckBoxQueue = nullptr;
  QCheckBox* CheckBoxFreza = nullptr;
  // Fonts.
  QListWidget* ListBoxFontRole = nullptr;
  QFontComboBox* ComboBoxFont = nullptr;
  QLabel* LabelScale = nullptr;
  QSpinBox* SpinEditScale = nullptr;
  QLabel* LabelFontsWarning = nullptr;
  QPushButton* ButtonFontDefault = nullptr;
  // Background.
  QLabel* LabelBackground = nullptr;
  QListWidget* ListBoxBgKind = nullptr;
  QListWidget* ListBoxBgVariant = nullptr;
  // Save games.
  QCheckBox* CheckBoxSaveGif = nullptr;
  QListWidget* ListBoxGifSource = nullptr;
  QLabel* LabelGifDelay = nullptr;
  QSpinBox* SpinEditGifDelay = nullptr;
  // DLL.
  std::vector<QPushButton*> libraryDownloads_;
  QGroupBox* RadioGroupRadioList = nullptr;
  QRadioButton* RadioButtonFromServer = nullptr;
  QRadioButton* RadioButtonFromDisk = nullptr;
  // Design.
  QLabel* LabelMenuDesign = nullptr;
  QComboBox* ComboBoxMenuDesign = nullptr;
  QLabel* LabelTableDesign = nullptr;
  QComboBox* ComboBoxTableDesign = nullptr;
  QLabel* LabelAuxDesign = nullptr;
  QComboBox* ComboBoxAuxDesign = nullptr;
  QGroupBox* GroupBoxSalute = nullptr;
  QCheckBox* CheckBoxSaluteButtons = nullptr;
  QCheckBox* CheckBoxSaluteCards = nullptr;

  QPushButton* ButtonOk = nullptr;
};

}  // namespace klondar::table
