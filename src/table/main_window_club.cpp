// The main window's club side: the member list of the menu, seating a member at the table,
// the club's windows, and what leaving a game does to the member's record.
#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>

#include "aux_window_look.h"
#include "club_menu.h"
#include "end_game_window.h"
#include "engine/engine_words.h"
#include "font_roles.h"
#include "game_end_recording.h"
#include "history_window.h"
#include "main_window.h"
#include "score_figures.h"
#include "score_window.h"
#include "top_ten_window.h"
#include "welcome_check.h"
#include "welcome_dialog.h"
#include "words.h"

namespace klondar::table {
namespace {

storage::HistoryStamp Now() {
  const QDateTime now = QDateTime::currentDateTime();
  return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
          now.time().minute()};
}

// "Please, wait..." in red over a bar, centred in the window, while the result is stored.
QLabel* ShowWaitBanner(QWidget* window) {
  QPixmap bar(350, 80);
  bar.fill(Qt::transparent);
  {
    QPainter p(&bar);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 80);
    g.setColorAt(0, QColor(255, 244, 200));
    g.setColorAt(1, QColor(214, 180, 100));
    p.setBrush(g);
    p.setPen(QPen(QColor(120, 80, 20), 3));
    p.drawRoundedRect(QRectF(1.5, 1.5, 347, 77), 14, 14);
    QFont font("serif");
    font.setPixelSize(FontHeightFor(32, FontRole::kSerif));
    p.setFont(font);
    p.setPen(Qt::red);
    p.drawText(QRect(0, 0, 350, 80), Qt::AlignCenter, Text(Word::kPleaseWait));
  }
  auto* banner = new QLabel(window);
  banner->setObjectName("ImageStol");
  banner->setPixmap(bar);
  banner->setGeometry(window->width() / 2 - 175, window->height() / 2 - 40, 350, 80);
  banner->show();
  banner->repaint();
  return banner;
}

// The "Customizable" look takes its pictures from the graphics library, which the program
// does not have: as with a library that lacks them, the look is switched off and design 2
// chosen, and the settings keep that.
int AuxiliaryDesign(storage::Settings& settings) {
  if (settings.auxiliaryCustom) {
    settings.auxiliaryCustom = false;
    settings.auxiliaryDesign = 2;
  }
  return settings.auxiliaryDesign;
}

}  // namespace

void TForm1::UseClub(bool localWritable, bool networkWritable) {
  club_.emplace(programFolder_, localWritable, networkWritable);
}

void TForm1::CreateClubControls() {
  clubMenu_ = new ClubMenu(this);
  connect(clubMenu_, &ClubMenu::MemberChosen, this, &TForm1::ChooseMember);
  connect(clubMenu_, &ClubMenu::ModeClicked, this, &TForm1::SwitchClubView);
  connect(clubMenu_, &ClubMenu::TopTenClicked, this, &TForm1::OpenTopTen);
  connect(clubMenu_, &ClubMenu::HistoryClicked, this, &TForm1::OpenHistory);
  generalScore_ = PopupMenu1->addAction(Text(Word::kGeneralScore), this, &TForm1::ShowGeneralScore);
  generalScore_->setObjectName("GeneralScore");
  generalScore_->setEnabled(false);
  changeName_ = PopupMenu1->addAction(Text(Word::kToChangeAName), this, &TForm1::ChangeName);
  changeName_->setObjectName("ChangeName");
  changeName_->setEnabled(false);
  engine_.SetGameEndRecorder([this](std::int32_t result) { RecordGameEnd(result); });
}

void TForm1::ShowClubList() {
  clubMenu_->SetView(settings_.clubView);
  clubMenu_->Place(geometry_);
  if (club_) club_->UseNetwork(settings_.duelMode);
  clubMenu_->Show(club_ ? club_->Read() : std::nullopt);
}

void TForm1::SwitchClubView() {
  PlayWaveResource("WOpenFo", false);
  settings_.clubView = settings_.clubView == 2 ? 1 : 2;
  ShowClubList();
}

void TForm1::OpenTopTen() {
  PlayWaveResource("WOpenFo", false);
  if (!club_) return;
  const std::optional<storage::ClubFile> club = club_->Read();
  if (!club) return;
  TFormTopTen window(club->topTen, club_->Network(), AuxiliaryDesign(settings_), this);
  window.exec();
  // The list is drawn again from the file, as another run may have changed the club.
  ShowClubList();
}

void TForm1::OpenHistory() {
  PlayWaveResource("WOpenFo", false);
  TFHistory window(programFolder_, AuxiliaryDesign(settings_), this);
  window.exec();
}

void TForm1::ChooseMember(int place) {
  PlayWaveResource("WOpenFo", false);
  if (!club_) return;
  const std::optional<storage::ClubMember> member = club_->MemberAt(place);
  if (!member) return;
  TFormWelcome welcome(lastName_, this);
  welcome.ForMember(QString::fromStdString(member->name), QString::fromStdString(member->password));
  if (welcome.exec() != QDialog::Accepted) return;
  club_->Seat(MemberAtTable{place, *member});
  StartSeated();
}

void TForm1::StartSeated() {
  const MemberAtTable& seated = *club_->Seated();
  clubMenu_->Hide();
  generalScore_->setEnabled(true);
  changeName_->setEnabled(true);
  StartGame(QString::fromStdString(seated.member.name));
}

void TForm1::ShowGeneralScore() {
  if (screen_ != Screen::kTable || !club_ || !club_->Seated()) return;
  const MemberAtTable& seated = *club_->Seated();
  const ScoreInputs in{state_.gameNumber, state_.runningTotal, state_.scoreDifference,
                       seated.member.rating};
  PlayWaveResource("WOpenFo", false);
  TFormCount window(ScoreFigures(in), QString::fromStdString(seated.member.name),
                    AuxiliaryDesign(settings_), settings_.buttonSalute, settings_.menuAnimation,
                    this);
  window.exec();
}

void TForm1::ChangeName() {
  PlayWaveResource("WOpenFo", false);
  if (screen_ != Screen::kTable || !club_ || !club_->Seated()) return;
  storage::ClubMember& member = club_->Seated()->member;
  TFormWelcome welcome(QString::fromStdString(member.name), this);
  if (welcome.exec() != QDialog::Accepted) return;
  // The record keeps its games and rating; it is stored with the new name at the game's end.
  member.name = welcome.PlayerName().toStdString();
  member.password = welcome.Password().toStdString();
  lastName_ = welcome.PlayerName();
  engine_.SetPlayerNames(words::kComputerName, member.name);
  QMessageBox::information(this, Text(Word::kWindowCaption),
                           Text(Word::kNameChanged) + welcome.PlayerName());
}

void TForm1::DropSeatedMember() {
  generalScore_->setEnabled(false);
  changeName_->setEnabled(false);
  if (!club_) return;
  if (!club_->RemoveSeated()) {
    QMessageBox::warning(this, Text(Word::kWindowCaption), Text(Word::kDiskWriteError));
  }
}

void TForm1::RecordGameEnd(std::int32_t result) {
  generalScore_->setEnabled(false);
  changeName_->setEnabled(false);
  if (!club_ || !club_->Seated()) return;
  HideTableControls();
  repaint();
  QLabel* banner = ShowWaitBanner(this);
  // The rated game of a signed-in account is updated here, under the banner, once the
  // account exists; a game against the computer has nothing to send.
  const MemberAtTable seated = *club_->Seated();
  club_->Unseat();
  const FinishedGame game{state_.gameNumber, state_.newRunningTotal, result};
  const GameEndOutcome outcome = RecordLocalGameEnd(*club_, seated, game, Now());
  delete banner;
  if (!outcome.historySaved) {
    QMessageBox::warning(this, Text(Word::kWindowCaption), Text(Word::kCantSaveHistory));
  }
  // The world statistics are told of the game here, once the web service exists.
  if (!outcome.completesCycle) {
    if (result > 0) PlayWaveResource("WKoGood", false);
    if (result < 0) PlayWaveResource("WKoBads", false);
  }
  if (!outcome.clubSaved) {
    QMessageBox::warning(this, Text(Word::kWindowCaption), Text(Word::kDiskWriteError));
  }
  if (outcome.completesCycle) {
    TFormEndGame window(outcome.topTenPlace, game.newRunningTotal, CyclePlayer::kMember,
                        AuxiliaryDesign(settings_), settings_.menuAnimation, settings_.buttonSalute,
                        this);
    PlayWaveResource(window.Texts().sound.toStdString(), false);
    window.exec();
    // The World Top Ten sending dialog follows here once the web service exists.
  }
}

}  // namespace klondar::table
