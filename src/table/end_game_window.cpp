#include "end_game_window.h"

#include <QPainter>

#include "aux_window_look.h"
#include "cursors.h"
#include "font_roles.h"
#include "gif_player.h"
#include "pictures.h"
#include "skin_button.h"
#include "touch_effect.h"
#include "words.h"

namespace klondar::table {
namespace {

constexpr int kWidth = 560;

struct DesignPlaces {
  int height;
  QRect header;         // Image0
  QRect headerPicture;  // on Image0
  int textTop;          // the text area, 450 x 570 at x 5
  int okTop;
  int animationTop;  // the result animation at x 455
  int clubTop;       // the club animation at x 335
};

DesignPlaces PlacesFor(int design) {
  switch (design) {
    case 1:
      return {690, {0, 5, kWidth, 50}, {0, 0, kWidth, 50}, 75, 655, 220, 480};
    case 3:
      return {760, {0, 5, kWidth, 120}, {85, 0, 380, 120}, 145, 725, 280, 550};
    default:
      return {705, {5, 5, 550, 64}, {0, 0, 550, 64}, 90, 670, 240, 495};
  }
}

QPixmap HeaderPicture(int design, const QRect& header, const QRect& picture) {
  QPixmap image(header.size());
  image.fill(Qt::transparent);
  QPainter p(&image);
  PaintHeader(p, design, picture, Text(Word::kCompletionOfGame).toUpper(), 36);
  return image;
}

// "GMedal" with the place picture over it, both drawn at the same point.
QPixmap MedalPicture(int place) {
  QPixmap medal = Picture("GMedal");
  const QPixmap number = Picture(QString("GPlace%1").arg(place, 2, 10, QChar('0')));
  if (medal.isNull() || number.isNull()) return medal;
  QPainter p(&medal);
  p.drawPixmap(0, 0, number);
  return medal;
}

QFont SerifFont(int size) {
  QFont f("serif");
  f.setPixelSize(FontHeightFor(size, FontRole::kSerif));
  f.setBold(true);
  return f;
}

}  // namespace

ResultAnimation ResultAnimationFor(int place) {
  switch (ClassOf(place)) {
    case CycleClass::kBest: return {"GEndBest", 25, 25};
    case CycleClass::kGood: return {"GEndGood", 24, 24};
    case CycleClass::kBad: break;
  }
  // A bad result repeats; standing still, a rated account's place outside the ten shows
  // the same picture as the places above the first.
  return {"GEndBads", -1, place == 0 ? 3 : 24};
}

QString ClubAnimationFor(CyclePlayer player) {
  switch (player) {
    case CyclePlayer::kRatedAccount: return "GClubB";
    case CyclePlayer::kDuel: return "GClubG";
    case CyclePlayer::kMember: break;
  }
  return "GClubF";
}

TFormEndGame::TFormEndGame(int place, int total, CyclePlayer player, int design, bool animate,
                           bool salute, QWidget* parent)
    : QDialog(parent),
      texts_(TextsFor(place, total, player)),
      design_(ShownDesign(design)),
      scroll_(Picture("GSvitok")) {
  setObjectName("TFormEndGame");
  setWindowTitle(Text(Word::kCompletionOfGame));
  setModal(true);
  setCursor(ProgramCursor(CursorKind::kArrow));
  const DesignPlaces places = PlacesFor(design_);
  setFixedSize(kWidth, places.height);
  header_ = HeaderPicture(design_, places.header, places.headerPicture);
  if (texts_.medal) medal_ = MedalPicture(place);

  const ResultAnimation result = ResultAnimationFor(place);
  result_ = new GifPlayer("RxGIFAn1", this);
  result_->setGeometry(455, places.animationTop, 100, 200);
  result_->SetAnimation(result.name);
  if (!animate) {
    result_->StandOn(result.stillFrame);
  } else if (result.stopFrame >= 0) {
    result_->PlayOnceStoppingAt(result.stopFrame);
  } else {
    result_->Play();
  }
  club_ = new GifPlayer("RxGIFAn2", this);
  club_->setGeometry(335, places.clubTop, 60, 75);
  club_->SetAnimation(ClubAnimationFor(player));
  club_->Play();
  auto* ok = new TVelCardsButton(this);
  ok->setObjectName("Button1");
  ok->setText(Text(Word::kOk));
  ok->SetColorSB(SkinColour::DRed);
  ok->SetFontPixels(FontHeightFor(20, FontRole::kSerif));
  ok->setGeometry(kWidth / 2 - 70, places.okTop, 140, 32);
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, [this, salute] {
    if (salute) PlayTouchEffect(*this);
    result_->Clear();
    club_->Clear();
    accept();
  });
}

void TFormEndGame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(rect(), ButtonFace());
  const DesignPlaces places = PlacesFor(design_);
  p.drawPixmap(places.header.topLeft(), header_);
  const QRect area(5, places.textTop, 450, 570);
  p.drawPixmap(area, scroll_);
  constexpr int kLineY[4] = {100, 175, 250, 325};
  for (int i = 0; i < 4; ++i) {
    const EndGameLine& line = texts_.lines[static_cast<std::size_t>(i)];
    if (line.text.isEmpty()) continue;
    QFont font = SerifFont(line.size);
    FitToWidth(font, line.text, 400);
    p.setFont(font);
    p.setPen(line.colour);
    const int height = font.pixelSize() + 16;
    p.drawText(QRect(area.left() + 20, area.top() + kLineY[i] - height / 2, 410, height),
               Qt::AlignCenter, line.text);
  }
  if (!medal_.isNull()) p.drawPixmap(area.left() + 173, area.top() + 370, medal_);
}

}  // namespace klondar::table
