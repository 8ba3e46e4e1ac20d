#include "skin_button.h"

#include <QPainter>

#include "cursors.h"
#include "fonts.h"
#include "pictures.h"

namespace klondar::table {
namespace {
bool newButtonLook = false;
}  // namespace

void SetNewButtonLook(bool on) { newButtonLook = on; }

QString SkinPieceName(SkinHeight height, bool newLook, char part) {
  return QString("%1%2_%3").arg(newLook ? 'Q' : 'R').arg(static_cast<int>(height)).arg(part);
}

QColor SkinTint(SkinColour colour) {
  switch (colour) {
    case SkinColour::DRed:
      return {196, 64, 56};
    case SkinColour::DGreen:
      return {78, 156, 96};
    case SkinColour::DBlue:
      return {80, 130, 200};
    case SkinColour::DNavy:
      return {56, 78, 150};
    case SkinColour::DYellow:
      return {226, 186, 70};
    case SkinColour::DViolet:
      return {140, 96, 180};
    case SkinColour::DOrang:
      return {226, 132, 52};
    case SkinColour::DCards:
      return {214, 190, 130};
  }
  return {128, 128, 128};
}

QPixmap TintedPiece(const QPixmap& piece, const QColor& tint) {
  if (piece.isNull()) return piece;
  QImage image = piece.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage alpha = image;
  QPainter p(&image);
  p.setCompositionMode(QPainter::CompositionMode_Multiply);
  p.fillRect(image.rect(), tint);
  p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  p.drawImage(0, 0, alpha);
  p.end();
  return QPixmap::fromImage(image);
}

TVelCardsButton::TVelCardsButton(QWidget* parent) : QPushButton(parent), nata_(newButtonLook) {
  setCursor(ProgramCursor(CursorKind::kHand));
  setFocusPolicy(Qt::NoFocus);
  LoadPieces();
}

void TVelCardsButton::SetColorSB(SkinColour colour) {
  colour_ = colour;
  LoadPieces();
  update();
}

void TVelCardsButton::SetHeightSB(SkinHeight height) {
  height_ = height;
  LoadPieces();
  update();
}

void TVelCardsButton::SetNata(bool on) {
  nata_ = on;
  LoadPieces();
  update();
}

void TVelCardsButton::SetFontPixels(int pixels) {
  fontPixels_ = pixels;
  update();
}

void TVelCardsButton::LoadPieces() {
  const QColor tint = SkinTint(colour_);
  left_ = TintedPiece(Picture(SkinPieceName(height_, nata_, 'L')), tint);
  right_ = TintedPiece(Picture(SkinPieceName(height_, nata_, 'R')), tint);
  middle_ = TintedPiece(Picture(SkinPieceName(height_, nata_, '2')), tint);
}

void TVelCardsButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const int h = height();
  const int end = left_.isNull() ? 0 : left_.width() * h / std::max(1, left_.height());
  if (!isEnabled()) p.setOpacity(0.45);
  p.drawPixmap(QRect(0, 0, end, h), left_);
  p.drawPixmap(QRect(end, 0, width() - 2 * end, h), middle_);
  p.drawPixmap(QRect(width() - end, 0, end, h), right_);
  p.setOpacity(isEnabled() ? 1.0 : 0.35);
  const bool pressed = isDown();
  if (!icon().isNull()) {
    const QRect at(QPoint(0, 0), iconSize());
    p.drawPixmap(at.translated(rect().center() - at.center() + QPoint(pressed, pressed)),
                 icon().pixmap(iconSize()));
  }
  p.setOpacity(1.0);
  p.setFont(TableFont(fontPixels_));
  const QRect textRect = rect().translated(pressed ? 1 : 0, pressed ? 1 : 0);
  p.setPen(QColor(0, 0, 0, isEnabled() ? 160 : 60));
  p.drawText(textRect.translated(1, 1), Qt::AlignCenter, text());
  QColor ink = hover_ && isEnabled() ? QColor(255, 226, 130) : QColor(255, 251, 238);
  if (!isEnabled()) ink = QColor(190, 190, 180, 150);
  p.setPen(ink);
  p.drawText(textRect, Qt::AlignCenter, text());
}

void TVelCardsButton::enterEvent(QEnterEvent* event) {
  hover_ = true;
  // Taken afresh: the "Red mouse cursor" option may have changed since the button was made.
  setCursor(ProgramCursor(CursorKind::kHand));
  update();
  QPushButton::enterEvent(event);
}

void TVelCardsButton::leaveEvent(QEvent* event) {
  hover_ = false;
  update();
  QPushButton::leaveEvent(event);
}

}  // namespace klondar::table
