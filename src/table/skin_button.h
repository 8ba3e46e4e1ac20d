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
// The option "New buttons": the look buttons made from then on take.
void SetNewButtonLook(bool on);
// The skin pieces' names: "R29_L", "R29_R", "R29_2", or "Q29_L" ... with the new look.
QString SkinPieceName(SkinHeight height, bool newLook, char part);
// A grey skin piece multiplied by the tint, keeping its transparency.
QPixmap TintedPiece(const QPixmap& piece, const QColor& tint);

class TVelCardsButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TVelCardsButton(QWidget* parent = nullptr);
  void SetColorSB(SkinColour colour);
  void SetHeightSB(SkinHeight height);
  // The "New buttons" look.
  void SetNata(bool on);
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
  bool nata_ = false;
  QPixmap left_, middle_, right_;
  bool hover_ = false;
  int fontPixels_ = 15;
};

}  // namespace klondar::table
