// TFormEndGame, "The completion of game": the result of a finished cycle of 25 games, with
// the medal and the place for a result among the best ten, and a result animation.
#pragma once

#include <QDialog>

#include "end_game_texts.h"

class QTimer;

namespace klondar::table {

class TFormEndGame : public QDialog {
  Q_OBJECT

 public:
  // `animate`: the "Gif-animation" option; without it the animation stands on its last
  // picture (a still one for a bad result).
  TFormEndGame(int place, int total, CyclePlayer player, int design, bool animate,
               QWidget* parent);

  const EndGameTexts& Texts() const { return texts_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void NextFrame();
  void PaintResultAnimation(QPainter& p, const QRect& area) const;
  void PaintMedal(QPainter& p, QPoint topLeft) const;

  EndGameTexts texts_;
  int place_;
  int design_;
  int frame_;
  int lastFrame_;
  QTimer* timer_ = nullptr;
};

}  // namespace klondar::table
