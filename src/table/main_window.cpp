#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QToolTip>

#include "club_menu.h"
#include "cursors.h"
#include "engine/engine_words.h"
#include "gif_player.h"
#include "skin_button.h"
#include "table_painter.h"
#include "welcome_dialog.h"
#include "words.h"

namespace klondar::table {
namespace {

RandomSource MakeRandom(std::optional<std::uint64_t> seed) {
  return seed ? RandomSource(*seed) : RandomSource::FromDevice();
}

}  // namespace

TForm1::TForm1(const TableOptions& options, std::filesystem::path programFolder,
               std::optional<std::uint64_t> seed)
    : options_(options),
      geometry_(GeometryFor(WindowSize::kSmall, {})),
      layout_(LayoutTable(geometry_)),
      random_(MakeRandom(seed)),
      computer_(random_),
      engine_(state_, *this, computer_, random_),
      flow_(engine_, *this, computer_, programFolder),
      lastName_(Text(Word::kMrX)),
      programFolder_(std::move(programFolder)) {
  SetOwnCursors(options_.ownCursors);
  SetNewButtonLook(options_.newButtons);
  menuLook_.titleDesign = options_.titleDesign;
  setObjectName("TForm1");
  setWindowTitle(Text(Word::kWindowCaption));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(geometry_.client);
  move(0, 0);
  CreateControls();
  SetPointer(PointerShape::kNormal);
}

TForm1::~TForm1() = default;

void TForm1::CreateControls() {
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(20);
  connect(Timer1, &QTimer::timeout, this, &TForm1::OnTimer1);

  const auto button = [this](const char* name, SkinColour colour) {
    auto* b = new TVelCardsButton(this);
    b->setObjectName(name);
    b->SetColorSB(colour);
    b->hide();
    return b;
  };
  Button6 = button("Button6", SkinColour::DGreen);
  Button6->setText(Text(Word::kNewPlayer));
  connect(Button6, &QPushButton::clicked, this, &TForm1::NewPlayer);
  Button11 = button("Button11", SkinColour::DRed);
  Button11->setText(Text(Word::kExit));
  connect(Button11, &QPushButton::clicked, this, &QWidget::close);
  Button10 = button("Button10", SkinColour::DBlue);
  Button10->setText(Text(Word::kOptions));
  connect(Button10, &QPushButton::clicked, this, &TForm1::OpenOptions);
  Button7 = button("Button7", SkinColour::DGreen);
  connect(Button7, &QPushButton::clicked, this,
          [this] { Step(Input::kButton, [this] { flow_.PressButton7(); }); });
  Button8 = button("Button8", SkinColour::DYellow);
  connect(Button8, &QPushButton::clicked, this,
          [this] { Step(Input::kButton, [this] { flow_.PressButton8(); }); });

  RxGIFAn1 = new GifPlayer("RxGIFAn1", this);
  RxGIFAn1->SetAnimation("GifMenu1");
  RxGIFAn1->hide();
  RxGIFAn2 = new GifPlayer("RxGIFAn2", this);
  RxGIFAn2->SetAnimation("GifMenu2");
  RxGIFAn2->hide();

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  exitToMenu_ = PopupMenu1->addAction(Text(Word::kExitToMenu), this, &TForm1::ExitToMenu);
  exitToMenu_->setObjectName("ExitToMenu");
  exitToMenu_->setEnabled(false);
  PopupMenu1->addAction(Text(Word::kSpeed), this, &TForm1::ChooseSpeed)->setObjectName("Speed");
  CreateClubControls();
}

void TForm1::ApplyWindowSize() {
  const bool fullScreen = options_.windowSize == WindowSize::kFullScreen;
  QSize full;
  if (const QScreen* s = screen()) full = s->geometry().size();
  geometry_ = GeometryFor(options_.windowSize, full);
  layout_ = LayoutTable(geometry_);
  pictures_.Clear();
  setFixedSize(geometry_.client);
  // Full screen covers the whole screen; the other sizes are centred on it.
  setWindowState(fullScreen ? windowState() | Qt::WindowFullScreen
                            : windowState() & ~Qt::WindowFullScreen);
  if (const QScreen* s = screen()) {
    if (fullScreen) {
      move(s->geometry().topLeft());
    } else {
      move(s->availableGeometry().center() - rect().center());
    }
  }
  const int fontPixels = geometry_.Scaled(15);
  const SkinHeight height = geometry_.s >= 1.7   ? SkinHeight::D60
                            : geometry_.s >= 1.3 ? SkinHeight::D45
                                                 : SkinHeight::D30;
  for (TVelCardsButton* b : {Button6, Button10, Button11, Button7, Button8}) {
    b->SetFontPixels(fontPixels);
    b->SetHeightSB(height);
  }
  Button7->setGeometry(layout_.button7);
  Button8->setGeometry(layout_.button8);
  menuLayout_ = LayoutMenu(geometry_);
  Button6->setGeometry(menuLayout_.newPlayer);
  // "Options" between "New Player" and "Exit".
  Button10->setGeometry(menuLayout_.exit);
  Button11->setGeometry(
      menuLayout_.exit.translated(0, menuLayout_.exit.top() - menuLayout_.newPlayer.top()));
  RxGIFAn1->setGeometry(menuLayout_.animations[0]);
  RxGIFAn2->setGeometry(menuLayout_.animations[1]);
}

void TForm1::LeaveSplash() {
  if (screen_ != Screen::kSplash) return;
  Timer1->stop();
  ApplyWindowSize();
  ShowMenuScreen();
}

void TForm1::ShowMenuScreen() {
  screen_ = Screen::kMenu;
  HideTableControls();
  exitToMenu_->setEnabled(false);
  Button6->show();
  Button10->show();
  Button11->show();
  ShowClubList();
  ShowMenuAnimations();
  const QTime now = QTime::currentTime();
  menuLook_.time = TimeOfDayAt(now);
  infoPanelMinute_ = now.minute();
  // Signing in comes with the account; until then the club-members panel stands in.
  menuLook_.panel = InfoPanelFor(infoPanelMinute_, false);
  menuLook_.number = PanelNumberFor(menuLook_.panel, std::nullopt);
  Timer1->start();
  SetPointer(PointerShape::kNormal);
  update();
}

void TForm1::RefreshMenu() {
  if (!menuLayout_.clocks) return;
  const QTime now = QTime::currentTime();
  const TimeOfDayLook time = TimeOfDayAt(now);
  if (time != menuLook_.time) {
    menuLook_.time = time;
    update((*menuLayout_.clocks)[0]);
  }
  if (now.second() == 1 && now.minute() != infoPanelMinute_) {
    infoPanelMinute_ = now.minute();
    menuLook_.panel = InfoPanelFor(infoPanelMinute_, false);
    menuLook_.number = PanelNumberFor(menuLook_.panel, std::nullopt);
    update((*menuLayout_.clocks)[1]);
  }
}

void TForm1::ShowMenuAnimations() {
  for (GifPlayer* player : {RxGIFAn1, RxGIFAn2}) {
    player->show();
    if (!settings_.menuAnimation) {
      player->StandOn(0);
    } else if (!player->Running()) {
      player->Play();
    }
  }
}

void TForm1::HideTableControls() {
  Timer1->setInterval(20);
  Button7->hide();
  Button8->hide();
  scene_ = TableScene{};
}

void TForm1::NewPlayer() {
  PlayWaveResource("WOpenFo", false);
  TFormWelcome welcome(lastName_, this);
  if (welcome.exec() != QDialog::Accepted) return;
  lastName_ = welcome.PlayerName();
  if (!club_) {
    StartGame(welcome.PlayerName());
    return;
  }
  // The record enters the club when its first game is stored.
  storage::ClubMember member;
  member.name = welcome.PlayerName().toStdString();
  member.password = welcome.Password().toStdString();
  club_->Seat(MemberAtTable{storage::kNewPlayerPlace, member});
  StartSeated();
}

void TForm1::StartGame(const QString& playerName) {
  screen_ = Screen::kTable;
  Button6->hide();
  Button10->hide();
  Button11->hide();
  for (GifPlayer* player : {RxGIFAn1, RxGIFAn2}) {
    player->Stop();
    player->hide();
  }
  exitToMenu_->setEnabled(true);
  state_.options = settings_.rules;
  settings_.playerName = playerName.toStdString();
  cards_.Load(geometry_, QDate::currentDate());
  engine_.SetPlayerNames(words::kComputerName, playerName.toStdString());
  clubMenu_->Hide();
  PlayerRecord record;
  if (club_ && club_->Seated()) {
    record = {club_->Seated()->member.games, club_->Seated()->member.runningTotal};
  }
  engine_.SetPlayerRecord(record);
  engine_.Settings().soundsOn = options_.sounds && sounds_.Available();
  engine_.Settings().cardFlights = options_.flyCards;
  scene_ = TableScene{};
  Button7->show();
  Button8->show();
  update();
  Step(Input::kOther, [this] { engine_.StartDeal(false); });
}

bool TForm1::AskYesNo(const QString& question) {
  QMessageBox box(QMessageBox::Question, Text(Word::kWindowCaption), question,
                  QMessageBox::NoButton, this);
  box.setObjectName("Confirmation");
  QPushButton* yes = box.addButton(Text(Word::kYes), QMessageBox::YesRole);
  yes->setObjectName("YesButton");
  QPushButton* no = box.addButton(Text(Word::kNo), QMessageBox::NoRole);
  no->setObjectName("NoButton");
  box.setDefaultButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

void TForm1::ExitToMenu() {
  PlayWaveResource("WOpenFo", false);
  if (screen_ != Screen::kTable || busy_) return;
  if (!AskYesNo(Text(Word::kLeaveToMenuQuestion) + "\r\n" + Text(Word::kDataWillBeLost))) return;
  state_.tableActive = 0;
  DropSeatedMember();
  ShowMenuScreen();
}

void TForm1::OnTimer1() {
  if (screen_ == Screen::kMenu) RefreshMenu();
  if (screen_ != Screen::kTable) return;
  Step(Input::kOther, [this] { flow_.Tick(); });
}

void TForm1::Step(Input input, const std::function<void()>& step) {
  if (busy_) return;
  busy_ = true;
  input_ = input;
  step();
  input_ = Input::kOther;
  busy_ = false;
  // Leaving a finished game clears the table: back to the menu.
  if (screen_ == Screen::kTable && state_.tableActive == 0) ShowMenuScreen();
  if (closePending_) {
    closePending_ = false;
    close();
  }
}

std::optional<TableSpot> TForm1::CardSpotAt(QPoint at) const {
  if (layout_.hand[2].contains(at)) {
    const int slot = CardUnderX(scene_.hand[2], at.x());
    if (slot != 0) return TableSpot::Hand(2, slot);
    return std::nullopt;
  }
  const QSize card(geometry_.cardWidth, geometry_.cardHeight);
  for (int player = 2; player >= 1; --player) {
    if (!scene_.trick[player].IsEmpty() &&
        QRect(TrickCardAt(layout_, geometry_, player), card).contains(at)) {
      return TableSpot::Trick(player);
    }
  }
  for (int place = 9; place >= 1; --place) {
    if (!scene_.combination[place].IsEmpty() &&
        QRect(CombinationCardAt(layout_, geometry_, place, scene_.combinationCount), card)
            .contains(at)) {
      return TableSpot::Combination(place);
    }
  }
  const bool frezaShown = !scene_.freza.IsEmpty();
  if (!scene_.turnedUp.IsEmpty() &&
      QRect(TurnedUpAt(layout_, geometry_, frezaShown), card).contains(at)) {
    return TableSpot::TurnedUp();
  }
  if (frezaShown && QRect(FrezaAt(layout_, geometry_), card).contains(at))
    return TableSpot::Freza();
  return std::nullopt;
}

void TForm1::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (overlay_) {
    p.drawImage(event->rect(), work_, event->rect());
    return;
  }
  switch (screen_) {
    case Screen::kSplash:
      PaintSplash(p, size(), pictures_);
      break;
    case Screen::kMenu:
      PaintMenu(p, geometry_, menuLayout_, menuLook_, pictures_);
      break;
    case Screen::kTable: {
      const TableLook look{geometry_, layout_, cards_, pictures_, false};
      PaintTable(p, scene_, look);
      break;
    }
  }
}

void TForm1::mousePressEvent(QMouseEvent* event) {
  if (screen_ == Screen::kSplash) {
    LeaveSplash();
    return;
  }
  if (screen_ == Screen::kMenu && event->button() == Qt::LeftButton &&
      menuLayout_.caption.contains(event->position().toPoint())) {
    menuLook_.titleDesign = menuLook_.titleDesign % kTitleDesigns + 1;
    update(menuLayout_.caption.adjusted(-4, -4, 4, 4));
    return;
  }
  QWidget::mousePressEvent(event);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
  if (screen_ != Screen::kTable) return;
  const QPoint at = event->position().toPoint();
  const std::optional<TableSpot> spot = CardSpotAt(at);
  if (event->button() == Qt::LeftButton) {
    if (layout_.hand[2].contains(at)) {
      Step(Input::kCard, [this, at] { flow_.ClickHand(at.x()); });
    }
    return;
  }
  if (event->button() != Qt::RightButton) return;
  if (spot) {
    const TableSpot card = *spot;
    Step(Input::kOther, [this, card] { flow_.RightClick(card); });
  } else {
    PopupMenu1->popup(event->globalPosition().toPoint());
  }
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
  if (screen_ != Screen::kTable || busy_) return;
  const QPoint at = event->position().toPoint();
  if (layout_.hand[2].contains(at)) {
    flow_.MovePointer(at.x());
  } else {
    flow_.MovePointer(-1);
  }
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  if (screen_ == Screen::kSplash) {
    LeaveSplash();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
  if (screen_ == Screen::kTable && event->key() == Qt::Key_F12 && !event->isAutoRepeat()) {
    Step(Input::kOther, [this] { flow_.KeyReleased(kKeyF12); });
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (busy_) {
    // Closed when the running step has ended.
    closePending_ = true;
    event->ignore();
    return;
  }
  if (screen_ == Screen::kTable && state_.tableActive != 0 && !closeConfirmed_) {
    PlayWaveResource("WOpenFo", false);
    if (!AskYesNo(Text(Word::kLeaveGameQuestion) + " " + Text(Word::kDataWillBeLost))) {
      event->ignore();
      return;
    }
    closeConfirmed_ = true;
    DropSeatedMember();
  }
  Timer1->stop();
  if (saveSettings_) SaveSettingsAtClose();
  event->accept();
}

bool TForm1::event(QEvent* e) {
  if (e->type() == QEvent::ToolTip && screen_ != Screen::kSplash) {
    auto* help = static_cast<QHelpEvent*>(e);
    QString hint;
    if (screen_ == Screen::kTable && layout_.panel.contains(help->pos())) {
      hint = scene_.panelHint;
    } else if (screen_ == Screen::kMenu && menuLayout_.clocks &&
               (*menuLayout_.clocks)[1].contains(help->pos())) {
      hint = Text(menuLook_.panel.hint).trimmed();
    }
    if (hint.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), hint, this);
    }
    return true;
  }
  return QWidget::event(e);
}

}  // namespace klondar::table
