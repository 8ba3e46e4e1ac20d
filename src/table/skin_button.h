// TVelCardsButton: the owner-drawn button of every window. Its face is three skin pieces
// of the chosen height (left end, right end, stretched middle) tinted to its colour.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

namespace klondar::table {

enum class SkinColour { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
enum class SkinHeight { D30 = 29, D45 = 44, D60 = 59 };

QColor SkinTint(SkinColour colour);
// A grey skin piece multiplied by the tint, keeping its transparency.
QPixmap TintedPiece(const QPixmap& piece, const QColor& tint);

class TVelCardsButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TVelCardsButton(QWidget* parent = nullptr);
  void SetColorSB(SkinColour colour);
  void SetHeightSB(SkinHeight height);
  // The caption's pixel size; the button's height scales the skin.
  void SetFontPixels(int pixels);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void LoadPieces();

  SkinColour colour_ = SkinColour::DGreen;
  SkinHeight height_ = SkinHeight::D30;
  QPixmap left_, middle_, right_;
  bool hover_ = false;
  int fontPixels_ = 15;
};

}  // namespace klondar::table
