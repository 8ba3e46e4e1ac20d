// TFormEndGame, "The completion of game": the result of a finished cycle of 25 games, with
// the medal and the place for a result among the best ten, and a result animation.
#pragma once

#include <QDialog>
#include <QPixmap>

#include "end_game_texts.h"

namespace klondar::table {

class GifPlayer;

// The result animation of a place: it plays once and stops on `stopFrame` (-1: it repeats),
// and with the animations off it stands on `stillFrame`.
struct ResultAnimation {
  QString name;
  int stopFrame;
  int stillFrame;
};
ResultAnimation ResultAnimationFor(int place);
// The club animation beside the result.
QString ClubAnimationFor(CyclePlayer player);

class TFormEndGame : public QDialog {
  Q_OBJECT

 public:
  // `animate`: the "Gif-animation" option; without it the result animation stands still
  // (ResultAnimationFor). `salute`: the "Salute" option for buttons.
  TFormEndGame(int place, int total, CyclePlayer player, int design, bool animate, bool salute,
               QWidget* parent);

  const EndGameTexts& Texts() const { return texts_; }
  GifPlayer* ResultPlayer() const { return result_; }
  GifPlayer* ClubPlayer() const { return club_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  EndGameTexts texts_;
  int design_;
  QPixmap header_;
  QPixmap scroll_;
  QPixmap medal_;  // the medal with the place on it; null for a bad result
  GifPlayer* result_ = nullptr;
  GifPlayer* club_ = nullptr;
};

}  // namespace klondar::table
