#include "end_game_window.h"

#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <cmath>

#include "aux_window_look.h"
#include "cursors.h"
#include "font_roles.h"
#include "skin_button.h"
#include "words.h"

namespace klondar::table {
namespace {

constexpr int kWidth = 560;
constexpr int kFrames = 26;

struct DesignPlaces {
  int height;
  int textTop;  // the text area, 450 x 570 at x 5
  int okTop;
  int animationTop;
};

DesignPlaces PlacesFor(int design) {
  switch (design) {
    case 1: return {690, 75, 655, 220};
    case 3: return {760, 145, 725, 280};
    default: return {705, 90, 670, 240};
  }
}

QFont SerifFont(int size) {
  QFont f("serif");
  f.setPixelSize(FontHeightFor(size, FontRole::kSerif));
  f.setBold(true);
  return f;
}

}  // namespace

TFormEndGame::TFormEndGame(int place, int total, CyclePlayer player, int design, bool animate,
                           QWidget* parent)
    : QDialog(parent),
      texts_(TextsFor(place, total, player)),
      place_(place),
      design_(ShownDesign(design)) {
  setObjectName("TFormEndGame");
  setWindowTitle(Text(Word::kCompletionOfGame));
  setModal(true);
  setCursor(ProgramCursor(CursorKind::kArrow));
  const DesignPlaces places = PlacesFor(design_);
  setFixedSize(kWidth, places.height);
  // Best and good play once and stop on their last picture; bad repeats.
  lastFrame_ = texts_.cls == CycleClass::kBad ? 3 : kFrames - 1;
  frame_ = animate ? 0 : lastFrame_;
  if (animate) {
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer48");
    timer_->setInterval(80);
    connect(timer_, &QTimer::timeout, this, &TFormEndGame::NextFrame);
    timer_->start();
  }
  auto* ok = new TVelCardsButton(this);
  ok->setObjectName("Button1");
  ok->setText(Text(Word::kOk));
  ok->SetColorSB(SkinColour::DRed);
  ok->SetFontPixels(FontHeightFor(20, FontRole::kSerif));
  ok->setGeometry(kWidth / 2 - 70, places.okTop, 140, 32);
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormEndGame::NextFrame() {
  if (texts_.cls == CycleClass::kBad) {
    frame_ = (frame_ + 1) % kFrames;
  } else if (frame_ < lastFrame_) {
    ++frame_;
  } else {
    timer_->stop();
  }
  update(QRect(455, PlacesFor(design_).animationTop, 100, 200));
}

void TFormEndGame::PaintMedal(QPainter& p, QPoint topLeft) const {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // Two ribbon tails, then the gold disc with the place on it.
  const QPointF c(topLeft.x() + 52, topLeft.y() + 74);
  QPainterPath tails;
  tails.moveTo(c.x() - 30, topLeft.y());
  tails.lineTo(c.x() - 8, topLeft.y());
  tails.lineTo(c.x() + 4, c.y() - 30);
  tails.lineTo(c.x() - 14, c.y() - 30);
  tails.closeSubpath();
  tails.moveTo(c.x() + 30, topLeft.y());
  tails.lineTo(c.x() + 8, topLeft.y());
  tails.lineTo(c.x() - 4, c.y() - 30);
  tails.lineTo(c.x() + 14, c.y() - 30);
  tails.closeSubpath();
  p.fillPath(tails, QColor(180, 20, 30));
  QRadialGradient gold(c - QPointF(12, 12), 60);
  gold.setColorAt(0, QColor(255, 245, 170));
  gold.setColorAt(0.6, QColor(230, 180, 40));
  gold.setColorAt(1, QColor(150, 100, 10));
  p.setBrush(gold);
  p.setPen(QPen(QColor(120, 80, 0), 3));
  p.drawEllipse(c, 44, 44);
  p.setPen(QPen(QColor(255, 240, 180), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 36, 36);
  p.setFont(SerifFont(36));
  DrawShadowedText(p, QRect(int(c.x()) - 40, int(c.y()) - 30, 80, 60), QString::number(place_),
                   QColor(140, 20, 20));
  p.restore();
}

void TFormEndGame::PaintResultAnimation(QPainter& p, const QRect& area) const {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(area);
  if (texts_.cls == CycleClass::kBad) {
    // A grey cloud with rain falling from it.
    p.setBrush(QColor(130, 136, 150));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(area.left() + 10, area.top() + 20, 50, 36));
    p.drawEllipse(QRect(area.left() + 38, area.top() + 10, 52, 44));
    p.setPen(QPen(QColor(60, 90, 200), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
      const int y = area.top() + 60 + (frame_ * 9 + i * 37) % 130;
      const int x = area.left() + 20 + i * 15;
      p.drawLine(x, y, x - 3, y + 10);
    }
  } else {
    // A cup that rises into place while stars gather round it.
    const double t = double(frame_) / (kFrames - 1);
    const int cupTop = area.top() + 40 + int((1.0 - t) * 110);
    QLinearGradient gold(area.left(), 0, area.right(), 0);
    gold.setColorAt(0, QColor(170, 120, 20));
    gold.setColorAt(0.5, QColor(255, 230, 120));
    gold.setColorAt(1, QColor(170, 120, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(120, 80, 0), 2));
    QPainterPath cup;
    cup.moveTo(area.left() + 20, cupTop);
    cup.lineTo(area.left() + 80, cupTop);
    cup.quadTo(area.left() + 78, cupTop + 50, area.left() + 56, cupTop + 58);
    cup.lineTo(area.left() + 56, cupTop + 80);
    cup.lineTo(area.left() + 72, cupTop + 90);
    cup.lineTo(area.left() + 28, cupTop + 90);
    cup.lineTo(area.left() + 44, cupTop + 80);
    cup.lineTo(area.left() + 44, cupTop + 58);
    cup.quadTo(area.left() + 22, cupTop + 50, area.left() + 20, cupTop);
    p.drawPath(cup);
    p.setPen(Qt::NoPen);
    p.setBrush(texts_.cls == CycleClass::kBest ? QColor(255, 200, 0) : QColor(255, 120, 120));
    for (int i = 0; i < 6; ++i) {
      const double angle = i * 1.047 + t * 3.14;
      const QPointF star(area.left() + 50 + std::cos(angle) * 42 * t,
                         cupTop + 40 + std::sin(angle) * 42 * t);
      p.drawEllipse(star, 4, 4);
    }
  }
  p.restore();
}

void TFormEndGame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(rect(), ButtonFace());
  const DesignPlaces places = PlacesFor(design_);
  PaintHeader(p, design_, kWidth, Text(Word::kCompletionOfGame).toUpper(), 36);
  const QRect area(5, places.textTop, 450, 570);
  PaintScroll(p, area);
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
  if (texts_.medal) PaintMedal(p, QPoint(area.left() + 173, area.top() + 370));
  PaintResultAnimation(p, QRect(455, places.animationTop, 100, 200));
}

}  // namespace klondar::table
