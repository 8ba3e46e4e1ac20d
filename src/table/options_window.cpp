#include "options_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

#include "font_families.h"
#include "font_roles.h"
#include "language_list.h"
#include "speed_dialog.h"
#include "words.h"

namespace klondar::table {
namespace {

// The deck-style list in index order: 0 is the program's own deck.
constexpr std::array<Word, storage::kDeckStyleCount> kDeckNames = {Word::kClassical1,
                                                                   Word::kMedieval1,
                                                                   Word::kModern,
                                                                   Word::kAncientEgypt,
                                                                   Word::kBaronesse,
                                                                   Word::kCeltic,
                                                                   Word::kCorona,
                                                                   Word::kCrown,
                                                                   Word::kEnglishPattern,
                                                                   Word::kFrankfurt,
                                                                   Word::kHistoricalCostumes,
                                                                   Word::kNativeAmericans,
                                                                   Word::kOldGardenRoses,
                                                                   Word::kParrots,
                                                                   Word::kRoyal,
                                                                   Word::kPoet,
                                                                   Word::kBigBen,
                                                                   Word::kFourReigns,
                                                                   Word::kLargePrintLondon,
                                                                   Word::kClassical2,
                                                                   Word::kHearts,
                                                                   Word::kSeasons,
                                                                   Word::kRhineStyle,
                                                                   Word::kMedieval2,
                                                                   Word::kDoods,
                                                                   Word::kPlayboy,
                                                                   Word::kEpic,
                                                                   Word::kUssr,
                                                                   Word::kPlastic,
                                                                   Word::kSkatGermanSuits,
                                                                   Word::kSkatTournamentSuits,
                                                                   Word::kSkatFrenchSuits,
                                                                   Word::kWhitePalekh,
                                                                   Word::kHuntress,
                                                                   Word::kPrincely,
                                                                   Word::kForSolitaires,
                                                                   Word::kSatin,
                                                                   Word::kSlavic,
                                                                   Word::kMaya,
                                                                   Word::kBast,
                                                                   Word::kFrenchDeck,
                                                                   Word::kSpanish1,
                                                                   Word::kSpanish2,
                                                                   Word::kSpanish3,
                                                                   Word::kSpanish4,
                                                                   Word::kChineseDeck,
                                                                   Word::kItalianDeck,
                                                                   Word::kCzechDeck};

// Back sets 1..12 of the library; set 0, the program's own, comes first.
constexpr std::array<Word, storage::kBackSetCount - 1> kBackNames = {
    Word::kClassical1, Word::kClassical2, Word::kCarpet,   Word::kCross,
    Word::kChess,      Word::kDiamond,    Word::kKnightly, Word::kAnimals,
    Word::kFlowers,    Word::kPlaces,     Word::kOther,    Word::kRussianBacks};

constexpr std::array<Word, storage::kBackgroundVariants> kBackgroundColours = {
    Word::kBackgroundGreen,  Word::kBackgroundRed,       Word::kBackgroundOrange,
    Word::kBackgroundYellow, Word::kBackgroundLightBlue, Word::kBackgroundDarkBlue,
    Word::kBackgroundViolet};

constexpr std::array<const char*, 3> kDeckLibraries = {"VelCards06A.rcc", "VelCards06B.rcc",
                                                       "VelCards06C.rcc"};
constexpr std::array<const char*, 9> kLibraries = {
    "VelCards06A.rcc", "VelCards06B.rcc",   "VelCards06C.rcc", "VelBackG03.rcc", "VelCGraph1.rcc",
    "VelCVoice3.rcc",  "VelCalendar01.rcc", "VelRadio02.rcc",  "VelRadio.rad"};

constexpr std::array<WindowSize, 5> kListOrder = {WindowSize::kSmall, WindowSize::kFullScreen,
                                                  WindowSize::kAverage1, WindowSize::kAverage2,
                                                  WindowSize::kLarge};

QListWidget* MakeList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  return list;
}

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

void FillList(QListWidget* list, const QStringList& entries) {
  const int row = list->currentRow();
  list->clear();
  list->addItems(entries);
  list->setCurrentRow(row);
}

void FillCombo(QComboBox* combo, const QStringList& entries) {
  const int index = combo->currentIndex();
  combo->clear();
  combo->addItems(entries);
  combo->setCurrentIndex(index);
}

QString DownloadCaption(const char* library) {
  return Text(Word::kDownload) + " " + QString::fromLatin1(library);
}

}  // namespace

std::vector<WindowSize> WindowSizesThatFit(QSize available) {
  std::vector<WindowSize> sizes;
  for (WindowSize size : kListOrder) {
    const bool always = size == WindowSize::kSmall || size == WindowSize::kFullScreen;
    const QSize client = ClientSizeFor(size, available);
    if (always || (client.width() <= available.width() && client.height() <= available.height())) {
      sizes.push_back(size);
    }
  }
  return sizes;
}

QString WindowSizeHint(WindowSize size) {
  if (size == WindowSize::kFullScreen) return {};
  const QSize client = ClientSizeFor(size, {});
  return QString::number(client.width()) + " x " + QString::number(client.height());
}

TFormOptions::TFormOptions(storage::Settings& settings, QSize screenAvailable, QWidget* parent)
    : QDialog(parent), settings_(settings), sizes_(WindowSizesThatFit(screenAvailable)) {
  setObjectName("TFormOptions");
  setModal(true);
  previewCards_.Load(GeometryFor(WindowSize::kSmall, {}), QDate::currentDate());
  auto* layout = new QVBoxLayout(this);
  PageControl1 = Named(new QTabWidget(this), "PageControl1");
  // Every tab stays in sight: the window widens with the captions of the language.
  PageControl1->setUsesScrollButtons(false);
  PageControl1->addTab(MakeGeneralTab(), {});
  PageControl1->addTab(MakeCardsTab(), {});
  PageControl1->addTab(MakeDecksTab(), {});
  PageControl1->addTab(MakeGameTab(), {});
  PageControl1->addTab(MakeFontsTab(), {});
  PageControl1->addTab(MakeBackgroundTab(), {});
  PageControl1->addTab(MakeSaveGamesTab(), {});
  PageControl1->addTab(MakeDllTab(), {});
  PageControl1->addTab(MakeDesignTab(), {});
  layout->addWidget(PageControl1);
  ButtonOk = Named(new QPushButton(this), "ButtonOk");
  ButtonOk->setDefault(true);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ButtonOk, 0, Qt::AlignRight);
  ApplyLanguage();
}

QWidget* TFormOptions::MakeGeneralTab() {
  auto* tab = new QWidget(this);
  auto* grid = new QGridLayout(tab);
  GroupBoxMultimedia = Named(new QGroupBox(tab), "GroupBoxMultimedia");
  auto* media = new QVBoxLayout(GroupBoxMultimedia);
  const auto check = [this](QWidget* parent, const char* name, bool storage::Settings::*field,
                            bool presentation) {
    auto* box = Named(new QCheckBox(parent), name);
    connect(box, &QCheckBox::toggled, this, [this, field, presentation](bool on) {
      if (showing_) return;
      settings_.*field = on;
      if (presentation) emit PresentationChanged();
    });
    return box;
  };
  CheckBoxSound = check(GroupBoxMultimedia, "CheckBoxSound", &storage::Settings::sound, true);
  CheckBoxMusic = check(GroupBoxMultimedia, "CheckBoxMusic", &storage::Settings::music, true);
  CheckBoxGif = check(GroupBoxMultimedia, "CheckBoxGif", &storage::Settings::menuAnimation, true);
  CheckBoxFly = check(GroupBoxMultimedia, "CheckBoxFly", &storage::Settings::flyingCards, true);
  CheckBoxCursor =
      check(GroupBoxMultimedia, "CheckBoxCursor", &storage::Settings::ownCursors, true);
  ButtonSpeed = Named(new QPushButton(GroupBoxMultimedia), "ButtonSpeed");
  connect(ButtonSpeed, &QPushButton::clicked, this, [this] {
    settings_.flightSpeed = AskFlightSpeed(settings_.flightSpeed, this);
    ButtonSpeed->setText(Text(Word::kSpeed) + "=" + QString::number(settings_.flightSpeed));
    emit PresentationChanged();
  });
  // The account information window comes with the account.
  ButtonPassport = Named(new QPushButton(GroupBoxMultimedia), "ButtonPassport");
  ButtonPassport->setEnabled(false);
  CheckBoxNewButtons =
      check(GroupBoxMultimedia, "CheckBoxNewButtons", &storage::Settings::newButtons, true);
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBoxSound, CheckBoxMusic, CheckBoxGif,
                                                    CheckBoxFly, CheckBoxCursor, ButtonSpeed,
                                                    ButtonPassport, CheckBoxNewButtons}) {
    media->addWidget(w);
  }
  media->addStretch();
  grid->addWidget(GroupBoxMultimedia, 0, 0, 2, 1);
  CheckBoxMultiplayer = check(tab, "CheckBoxMultiplayer", &storage::Settings::duelMode, false);
  grid->addWidget(CheckBoxMultiplayer, 2, 0);
  ListBoxWindow = MakeList(tab, "ListBoxWindow");
  connect(ListBoxWindow, &QListWidget::currentRowChanged, this, &TFormOptions::ChooseWindowSize);
  grid->addWidget(ListBoxWindow, 0, 1);
  ListBoxLanguage = Named(new LanguageList(tab), "ListBoxLanguage");
  connect(ListBoxLanguage, &QListWidget::currentRowChanged, this, &TFormOptions::ChooseLanguage);
  grid->addWidget(ListBoxLanguage, 1, 1, 2, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  return tab;
}

QWidget* TFormOptions::MakeCardsTab() {
  auto* tab = new QWidget(this);
  auto* grid = new QGridLayout(tab);
  ListBoxDeck = MakeList(tab, "ListBoxDeck");
  connect(ListBoxDeck, &QListWidget::currentRowChanged, this, [this](int row) {
    if (showing_ || row < 0) return;
    settings_.deckStyle = row;
  });
  grid->addWidget(ListBoxDeck, 0, 0, 2, 1);
  // The preview shows the program's own faces until the deck libraries arrive.
  auto* previewRow = new QHBoxLayout;
  const CardCode shown[] = {
      {kAce, kHearts}, {kKing, kDiamonds}, {kQueen, kClubs}, {kJack, kSpades}};
  for (const CardCode card : shown) {
    auto* label = new QLabel(tab);
    label->setPixmap(previewCards_.Face(card));
    preview_.push_back(label);
    previewRow->addWidget(label);
  }
  grid->addLayout(previewRow, 0, 1);
  auto* downloads = new QVBoxLayout;
  // Downloading comes with the libraries; the captions name them already.
  for (std::size_t i = 0; i < kDeckLibraries.size(); ++i) {
    auto* button = new QPushButton(tab);
    button->setEnabled(false);
    deckDownloads_.push_back(button);
    downloads->addWidget(button);
  }
  downloads->addStretch();
  grid->addLayout(downloads, 1, 1);
  return tab;
}

QWidget* TFormOptions::MakeDecksTab() {
  auto* tab = new QWidget(this);
  auto* grid = new QGridLayout(tab);
  ListBoxBack = MakeList(tab, "ListBoxBack");
  connect(ListBoxBack, &QListWidget::currentRowChanged, this, [this](int row) {
    if (showing_ || row < 0) return;
    settings_.backSet = row;
  });
  grid->addWidget(ListBoxBack, 0, 0, 2, 1);
  RadioGroupModification = Named(new QGroupBox(tab), "RadioGroupModification");
  auto* choices = new QVBoxLayout(RadioGroupModification);
  modification_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(RadioGroupModification);
    modification_->addButton(radio, i);
    choices->addWidget(radio);
  }
  // Only "Always one" is kept; the other two both store "not always one".
  connect(modification_, &QButtonGroup::idClicked, this, [this](int id) {
    if (!showing_) settings_.alwaysOneBack = id == 1;
  });
  grid->addWidget(RadioGroupModification, 0, 1);
  ButtonBackDownload = Named(new QPushButton(tab), "ButtonBackDownload");
  ButtonBackDownload->setEnabled(false);
  grid->addWidget(ButtonBackDownload, 1, 1, Qt::AlignTop);
  return tab;
}

QWidget* TFormOptions::MakeGameTab() {
  auto* tab = new QWidget(this);
  auto* column = new QVBoxLayout(tab);
  GroupBoxMain = Named(new QGroupBox(tab), "GroupBoxMain");
  auto* main = new QVBoxLayout(GroupBoxMain);
  RadioGroupDial = Named(new QGroupBox(GroupBoxMain), "RadioGroupDial");
  auto* dial = new QHBoxLayout(RadioGroupDial);
  RadioButton301 = Named(new QRadioButton(RadioGroupDial), "RadioButton301");
  RadioButton501 = Named(new QRadioButton(RadioGroupDial), "RadioButton501");
  dial->addWidget(RadioButton301);
  dial->addWidget(RadioButton501);
  main->addWidget(RadioGroupDial);
  connect(RadioButton301, &QRadioButton::toggled, this, [this](bool on) {
    if (!showing_) settings_.rules.targetScore = on ? 301 : 501;
  });
  column->addWidget(GroupBoxMain);
  GroupBoxMinor = Named(new QGroupBox(tab), "GroupBoxMinor");
  auto* minor = new QVBoxLayout(GroupBoxMinor);
  const auto rule = [this](const char* name, bool RuleOptions::*field) {
    auto* box = Named(new QCheckBox(GroupBoxMinor), name);
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
      if (!showing_) settings_.rules.*field = on;
    });
    return box;
  };
  CheckBoxTrumpSeven = rule("CheckBoxTrumpSeven", &RuleOptions::optTrumpSevenExchange);
  CheckBoxBella = rule("CheckBoxBella", &RuleOptions::optBellaFirstHandOnly);
  CheckBoxOvertrump = rule("CheckBoxOvertrump", &RuleOptions::optMustOvertrump);
  CheckBoxQueue = rule("CheckBoxQueue", &RuleOptions::optAlternateFirstBidder);
  CheckBoxFreza = rule("CheckBoxFreza", &RuleOptions::optFreza);
  for (QCheckBox* box :
       {CheckBoxTrumpSeven, CheckBoxBella, CheckBoxOvertrump, CheckBoxQueue, CheckBoxFreza}) {
    minor->addWidget(box);
  }
  column->addWidget(GroupBoxMinor);
  column->addStretch();
  return tab;
}

QWidget* TFormOptions::MakeFontsTab() {
  auto* tab = new QWidget(this);
  auto* grid = new QGridLayout(tab);
  ListBoxFontRole = MakeList(tab, "ListBoxFontRole");
  for (int role = 0; role < kFontRoleCount; ++role) ListBoxFontRole->addItem(QString());
  connect(ListBoxFontRole, &QListWidget::currentRowChanged, this, [this] { ShowFontRole(); });
  grid->addWidget(ListBoxFontRole, 0, 0, 4, 1);
  ComboBoxFont = Named(new QFontComboBox(tab), "ComboBoxFont");
  // A name is taken when picked from the list or when typing it is finished, never half-typed.
  connect(ComboBoxFont, &QFontComboBox::currentFontChanged, this, [this] { StoreFontRole(); });
  connect(ComboBoxFont->lineEdit(), &QLineEdit::editingFinished, this, [this] { StoreFontRole(); });
  grid->addWidget(ComboBoxFont, 0, 1, 1, 2);
  LabelScale = Named(new QLabel(tab), "LabelScale");
  grid->addWidget(LabelScale, 1, 1);
  SpinEditScale = Named(new QSpinBox(tab), "SpinEditScale");
  SpinEditScale->setRange(kMinFontScale, kMaxFontScale);
  connect(SpinEditScale, &QSpinBox::valueChanged, this, [this] { StoreFontRole(); });
  grid->addWidget(SpinEditScale, 1, 2);
  ButtonFontDefault = Named(new QPushButton(tab), "ButtonFontDefault");
  connect(ButtonFontDefault, &QPushButton::clicked, this, [this] {
    for (int role = 0; role < kFontRoleCount; ++role) {
      const FontRoleChoice choice = DefaultFontRoleChoice(static_cast<FontRole>(role));
      SetFontRoleChoice(static_cast<FontRole>(role), choice);
      settings_.fonts[static_cast<std::size_t>(role)] = {choice.family.toStdString(), choice.scale};
    }
    ShowFontRole();
    emit LanguageChanged();  // redraws the menu screen's texts
  });
  grid->addWidget(ButtonFontDefault, 2, 1, 1, 2, Qt::AlignLeft);
  LabelFontsWarning = Named(new QLabel(tab), "LabelFontsWarning");
  LabelFontsWarning->setWordWrap(true);
  LabelFontsWarning->setStyleSheet("color: #a00000");
  grid->addWidget(LabelFontsWarning, 3, 1, 1, 2, Qt::AlignTop);
  grid->setColumnStretch(1, 1);
  return tab;
}

QWidget* TFormOptions::MakeBackgroundTab() {
  auto* tab = new QWidget(this);
  auto* grid = new QGridLayout(tab);
  LabelBackground = Named(new QLabel(tab), "LabelBackground");
  grid->addWidget(LabelBackground, 0, 0, 1, 2);
  ListBoxBgKind = MakeList(tab, "ListBoxBgKind");
  for (int kind = 1; kind <= storage::kBackgroundKinds; ++kind) {
    ListBoxBgKind->addItem(QString::number(kind));
  }
  connect(ListBoxBgKind, &QListWidget::currentRowChanged, this, [this](int row) {
    if (showing_ || row < 0) return;
    settings_.backgroundKind = row + 1;
  });
  grid->addWidget(ListBoxBgKind, 1, 0);
  ListBoxBgVariant = MakeList(tab, "ListBoxBgVariant");
  connect(ListBoxBgVariant, &QListWidget::currentRowChanged, this, [this](int row) {
    if (showing_ || row < 0) return;
    settings_.backgroundVariant = row;
  });
  grid->addWidget(ListBoxBgVariant, 1, 1);
  return tab;
}

QWidget* TFormOptions::MakeSaveGamesTab() {
  auto* tab = new QWidget(this);
  auto* grid = new QGridLayout(tab);
  CheckBoxSaveGif = Named(new QCheckBox(tab), "CheckBoxSaveGif");
  connect(CheckBoxSaveGif, &QCheckBox::toggled, this, [this](bool on) {
    if (showing_) return;
    settings_.gifRecording = on;
    ShowGifControls();
  });
  grid->addWidget(CheckBoxSaveGif, 0, 0, 1, 2);
  ListBoxGifSource = MakeList(tab, "ListBoxGifSource");
  ListBoxGifSource->addItems({QString(), QString()});
  ListBoxGifSource->setMaximumHeight(ListBoxGifSource->sizeHintForRow(0) * 2 + 8);
  connect(ListBoxGifSource, &QListWidget::currentRowChanged, this, [this](int row) {
    if (showing_ || row < 0) return;
    settings_.gifSource = row + 1;
  });
  grid->addWidget(ListBoxGifSource, 1, 0, 1, 2);
  LabelGifDelay = Named(new QLabel(tab), "LabelGifDelay");
  grid->addWidget(LabelGifDelay, 2, 0);
  SpinEditGifDelay = Named(new QSpinBox(tab), "SpinEditGifDelay");
  SpinEditGifDelay->setRange(10, 5000);
  connect(SpinEditGifDelay, &QSpinBox::valueChanged, this, [this](int value) {
    if (!showing_) settings_.gifDelayMs = value;
  });
  grid->addWidget(SpinEditGifDelay, 2, 1);
  grid->setRowStretch(3, 1);
  return tab;
}

QWidget* TFormOptions::MakeDllTab() {
  auto* tab = new QWidget(this);
  auto* grid = new QGridLayout(tab);
  // Downloading comes with the libraries; the captions name them already.
  for (int i = 0; i < static_cast<int>(kLibraries.size()); ++i) {
    auto* button = new QPushButton(tab);
    button->setEnabled(false);
    libraryDownloads_.push_back(button);
    grid->addWidget(button, i % 5, i / 5);
  }
  RadioGroupRadioList = Named(new QGroupBox(tab), "RadioGroupRadioList");
  auto* order = new QVBoxLayout(RadioGroupRadioList);
  RadioButtonFromServer = Named(new QRadioButton(RadioGroupRadioList), "RadioButtonFromServer");
  RadioButtonFromDisk = Named(new QRadioButton(RadioGroupRadioList), "RadioButtonFromDisk");
  order->addWidget(RadioButtonFromServer);
  order->addWidget(RadioButtonFromDisk);
  connect(RadioButtonFromDisk, &QRadioButton::toggled, this, [this](bool on) {
    if (!showing_) settings_.radioListFromDisk = on;
  });
  grid->addWidget(RadioGroupRadioList, 5, 0, 1, 2);
  grid->setRowStretch(6, 1);
  return tab;
}

QWidget* TFormOptions::MakeDesignTab() {
  auto* tab = new QWidget(this);
  auto* grid = new QGridLayout(tab);
  const auto design = [this, tab, grid](const char* label, const char* name, int row,
                                        QLabel*& caption, QComboBox*& combo) {
    caption = Named(new QLabel(tab), label);
    combo = Named(new QComboBox(tab), name);
    grid->addWidget(caption, row, 0);
    grid->addWidget(combo, row, 1);
  };
  design("LabelMenuDesign", "ComboBoxMenuDesign", 0, LabelMenuDesign, ComboBoxMenuDesign);
  design("LabelTableDesign", "ComboBoxTableDesign", 1, LabelTableDesign, ComboBoxTableDesign);
  design("LabelAuxDesign", "ComboBoxAuxDesign", 2, LabelAuxDesign, ComboBoxAuxDesign);
  connect(ComboBoxMenuDesign, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!showing_ && index >= 0) settings_.menuDesign = index;
  });
  connect(ComboBoxTableDesign, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!showing_ && index >= 0) settings_.tableDesign = index;
  });
  // Entries 1..3 are the fixed designs; the fourth, "Customizable", is a flag of its own.
  connect(ComboBoxAuxDesign, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (showing_ || index < 0) return;
    settings_.auxiliaryCustom = index == 3;
    if (index < 3) settings_.auxiliaryDesign = index + 1;
  });
  GroupBoxSalute = Named(new QGroupBox(tab), "GroupBoxSalute");
  auto* salute = new QVBoxLayout(GroupBoxSalute);
  const auto check = [this](const char* name, bool storage::Settings::*field) {
    auto* box = Named(new QCheckBox(GroupBoxSalute), name);
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
      if (showing_) return;
      settings_.*field = on;
      emit PresentationChanged();
    });
    return box;
  };
  CheckBoxSaluteButtons = check("CheckBoxSaluteButtons", &storage::Settings::buttonSalute);
  CheckBoxSaluteCards = check("CheckBoxSaluteCards", &storage::Settings::cardSalute);
  salute->addWidget(CheckBoxSaluteButtons);
  salute->addWidget(CheckBoxSaluteCards);
  grid->addWidget(GroupBoxSalute, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(1, 1);
  return tab;
}

void TFormOptions::ApplyLanguage() {
  const bool wasShowing = showing_;
  showing_ = true;
  setWindowTitle(Text(Word::kOptions));
  const Word tabs[] = {Word::kGeneral, Word::kCards,     Word::kDecks,  Word::kGame,  Word::kFonts,
                       Word::kBgTab,   Word::kSaveGames, Word::kDllTab, Word::kDesign};
  for (int i = 0; i < PageControl1->count(); ++i) PageControl1->setTabText(i, Text(tabs[i]));

  GroupBoxMultimedia->setTitle(Text(Word::kMultimedia));
  CheckBoxSound->setText(Text(Word::kSound));
  CheckBoxMusic->setText(Text(Word::kMusic));
  CheckBoxGif->setText(Text(Word::kGifAnimation));
  CheckBoxFly->setText(Text(Word::kFlyCards));
  CheckBoxCursor->setText(Text(Word::kRedMouseCursor));
  ButtonSpeed->setText(Text(Word::kSpeed) + "=" + QString::number(settings_.flightSpeed));
  ButtonPassport->setText(Text(Word::kPassport));
  CheckBoxNewButtons->setText(Text(Word::kNewButtons));
  CheckBoxMultiplayer->setText(Text(Word::kMultiplayer));
  QStringList sizeEntries;
  for (WindowSize size : sizes_) {
    switch (size) {
      case WindowSize::kSmall:
        sizeEntries << Text(Word::kSmallWindow);
        break;
      case WindowSize::kFullScreen:
        sizeEntries << Text(Word::kFullScreen);
        break;
      case WindowSize::kAverage1:
        sizeEntries << Text(Word::kAverageWindow1);
        break;
      case WindowSize::kAverage2:
        sizeEntries << Text(Word::kAverageWindow2);
        break;
      case WindowSize::kLarge:
        sizeEntries << Text(Word::kLargeWindow);
        break;
    }
  }
  FillList(ListBoxWindow, sizeEntries);
  ListBoxWindow->setFixedHeight(ListBoxWindow->sizeHintForRow(0) * static_cast<int>(sizes_.size()) +
                                2 * ListBoxWindow->frameWidth() + 4);
  for (int row = 0; row < ListBoxWindow->count(); ++row) {
    ListBoxWindow->item(row)->setToolTip(WindowSizeHint(sizes_[static_cast<std::size_t>(row)]));
  }

  QStringList decks;
  for (Word word : kDeckNames) decks << Text(word);
  FillList(ListBoxDeck, decks);
  for (std::size_t i = 0; i < deckDownloads_.size(); ++i) {
    deckDownloads_[i]->setText(DownloadCaption(kDeckLibraries[i]));
  }
  QStringList backs{Text(Word::kDefault)};
  for (Word word : kBackNames) backs << Text(word);
  FillList(ListBoxBack, backs);
  RadioGroupModification->setTitle(Text(Word::kModification));
  modification_->button(0)->setText(Text(Word::kToChangeDecks));
  modification_->button(1)->setText(Text(Word::kAlwaysOne));
  modification_->button(2)->setText(Text(Word::kRandom));
  ButtonBackDownload->setText(DownloadCaption(kDeckLibraries[1]));

  GroupBoxMain->setTitle(Text(Word::kMain));
  RadioGroupDial->setTitle(Text(Word::kYouWantToDial));
  RadioButton301->setText("301 " + Text(Word::kPoints));
  RadioButton501->setText("501 " + Text(Word::kPoints));
  GroupBoxMinor->setTitle(Text(Word::kMinor));
  CheckBoxTrumpSeven->setText(Text(Word::kChangeTrumpSeven));
  CheckBoxBella->setText(Text(Word::kBellaFirstHandOnly));
  CheckBoxOvertrump->setText(Text(Word::kMustOvertrump));
  CheckBoxQueue->setText(Text(Word::kToMoveOnQueue));
  CheckBoxFreza->setText(Text(Word::kPutCardOnFreza));

  for (int role = 0; role < kFontRoleCount; ++role) {
    ListBoxFontRole->item(role)->setText(FontRoleCaption(static_cast<FontRole>(role)));
  }
  LabelScale->setText(Text(Word::kScalePercent));
  ButtonFontDefault->setText(Text(Word::kDefault));
  // The word keeps the original's "\n\r" line break; one break is enough here.
  LabelFontsWarning->setText(Text(Word::kFontsWarning).replace("\n\r", "\n"));

  LabelBackground->setText(Text(Word::kBackground));
  QStringList colours;
  for (Word word : kBackgroundColours) colours << Text(word);
  FillList(ListBoxBgVariant, colours);

  CheckBoxSaveGif->setText(Text(Word::kSaveGamesAsGifs));
  ListBoxGifSource->item(0)->setText(Text(Word::kSaveMainWindowOnly));
  ListBoxGifSource->item(1)->setText(Text(Word::kSaveScreen));
  LabelGifDelay->setText(Text(Word::kFrameDelay));

  for (std::size_t i = 0; i < libraryDownloads_.size(); ++i) {
    libraryDownloads_[i]->setText(DownloadCaption(kLibraries[i]));
  }
  RadioGroupRadioList->setTitle(Text(Word::kReadingRadioList));
  RadioButtonFromServer->setText(Text(Word::kFromTheServer));
  RadioButtonFromDisk->setText(Text(Word::kFromDisk));

  LabelMenuDesign->setText(Text(Word::kMainMenuDesign));
  FillCombo(ComboBoxMenuDesign, {Text(Word::kGrayConcise), Text(Word::kPurple)});
  LabelTableDesign->setText(Text(Word::kGameTableDesign));
  FillCombo(ComboBoxTableDesign, {Text(Word::kGrayConcise), Text(Word::kPurple)});
  LabelAuxDesign->setText(Text(Word::kAuxWindowDesign));
  FillCombo(ComboBoxAuxDesign, {Text(Word::kGrayConcise), Text(Word::kGrayAristocratic),
                                Text(Word::kGrayWithRedRibbons), Text(Word::kCustomizable)});
  GroupBoxSalute->setTitle(Text(Word::kSalute));
  CheckBoxSaluteButtons->setText(Text(Word::kButtons));
  CheckBoxSaluteCards->setText(Text(Word::kCards));
  ButtonOk->setText(Text(Word::kOk));
  showing_ = wasShowing;
}

void TFormOptions::showEvent(QShowEvent* event) {
  ShowSettings();
  QDialog::showEvent(event);
}

void TFormOptions::ShowSettings() {
  showing_ = true;
  const storage::Settings& s = settings_;
  CheckBoxSound->setChecked(s.sound);
  CheckBoxMusic->setChecked(s.music);
  CheckBoxGif->setChecked(s.menuAnimation);
  CheckBoxFly->setChecked(s.flyingCards);
  CheckBoxCursor->setChecked(s.ownCursors);
  ButtonSpeed->setText(Text(Word::kSpeed) + "=" + QString::number(s.flightSpeed));
  CheckBoxNewButtons->setChecked(s.newButtons);
  CheckBoxMultiplayer->setChecked(s.duelMode);
  ListBoxWindow->setCurrentRow(-1);
  for (std::size_t row = 0; row < sizes_.size(); ++row) {
    if (static_cast<int>(sizes_[row]) == s.windowSize) {
      ListBoxWindow->setCurrentRow(static_cast<int>(row));
    }
  }
  ListBoxLanguage->setCurrentRow(s.language);

  ListBoxDeck->setCurrentRow(s.deckStyle);
  ListBoxBack->setCurrentRow(s.backSet);
  // "Always one" is the only choice kept; otherwise the first entry shows.
  modification_->button(s.alwaysOneBack ? 1 : 0)->setChecked(true);

  (s.rules.targetScore == 301 ? RadioButton301 : RadioButton501)->setChecked(true);
  CheckBoxTrumpSeven->setChecked(s.rules.optTrumpSevenExchange);
  CheckBoxBella->setChecked(s.rules.optBellaFirstHandOnly);
  CheckBoxOvertrump->setChecked(s.rules.optMustOvertrump);
  CheckBoxQueue->setChecked(s.rules.optAlternateFirstBidder);
  CheckBoxFreza->setChecked(s.rules.optFreza);

  if (ListBoxFontRole->currentRow() < 0) ListBoxFontRole->setCurrentRow(0);
  ShowFontRole();

  ListBoxBgKind->setCurrentRow(s.backgroundKind - 1);
  ListBoxBgVariant->setCurrentRow(s.backgroundVariant);

  CheckBoxSaveGif->setChecked(s.gifRecording);
  ListBoxGifSource->setCurrentRow(s.gifSource - 1);
  SpinEditGifDelay->setValue(s.gifDelayMs);
  ShowGifControls();

  (s.radioListFromDisk ? RadioButtonFromDisk : RadioButtonFromServer)->setChecked(true);

  ComboBoxMenuDesign->setCurrentIndex(s.menuDesign);
  ComboBoxTableDesign->setCurrentIndex(s.tableDesign);
  ComboBoxAuxDesign->setCurrentIndex(s.auxiliaryCustom ? 3 : s.auxiliaryDesign - 1);
  CheckBoxSaluteButtons->setChecked(s.buttonSalute);
  CheckBoxSaluteCards->setChecked(s.cardSalute);
  showing_ = false;
}

void TFormOptions::ShowFontRole() {
  const int role = ListBoxFontRole->currentRow();
  if (role < 0) return;
  const bool wasShowing = showing_;
  showing_ = true;
  const storage::FontChoice& font = settings_.fonts[static_cast<std::size_t>(role)];
  // The stored name shows as it is, installed or not.
  ComboBoxFont->setEditText(QString::fromStdString(font.name));
  SpinEditScale->setValue(font.scale);
  showing_ = wasShowing;
}

void TFormOptions::StoreFontRole() {
  const int role = ListBoxFontRole->currentRow();
  if (showing_ || role < 0) return;
  const QString family = ComboBoxFont->currentText().trimmed();
  // The settings file keeps names of two characters and more.
  if (family.size() < 2) return;
  const FontRoleChoice choice{family, SpinEditScale->value()};
  if (!SetFontRoleChoice(static_cast<FontRole>(role), choice)) return;
  settings_.fonts[static_cast<std::size_t>(role)] = {family.toStdString(), choice.scale};
  emit LanguageChanged();  // redraws the menu screen's texts
}

void TFormOptions::ShowGifControls() {
  const bool on = CheckBoxSaveGif->isChecked();
  ListBoxGifSource->setEnabled(on);
  LabelGifDelay->setEnabled(on);
  SpinEditGifDelay->setEnabled(on);
}

void TFormOptions::ChooseLanguage(int language) {
  if (showing_ || !SetLanguage(language)) return;
  settings_.language = language;
  ApplyControlFont();
  ApplyLanguage();
  // Longer captions widen the window; it never hides a tab or cuts a caption.
  resize(size().expandedTo(sizeHint()));
  emit LanguageChanged();
}

void TFormOptions::ChooseWindowSize(int row) {
  if (showing_ || row < 0 || row >= static_cast<int>(sizes_.size())) return;
  const int size = static_cast<int>(sizes_[static_cast<std::size_t>(row)]);
  if (size == settings_.windowSize) return;
  settings_.windowSize = size;
  // Recording takes the small window's frames only.
  if (size != static_cast<int>(WindowSize::kSmall) && settings_.gifRecording) {
    settings_.gifRecording = false;
    showing_ = true;
    CheckBoxSaveGif->setChecked(false);
    ShowGifControls();
    showing_ = false;
  }
  emit WindowSizeChanged();
}

}  // namespace klondar::table
