// TFormCount, "General score": the seven figures of the player's standing in the game in
// progress, worked out by the caller; the window only shows them.
#pragma once

#include <QDialog>
#include <array>

class QLabel;

namespace klondar::table {

class GifPlayer;
class TVelCardsButton;

// The kind of game the figures belong to: it chooses the club animations.
enum class ScoreMode { kLocal, kTournament, kDuel };

// The small animations beside the figures, RxGIFAn2 and RxGIFAn3 (empty: none).
struct ClubAnimations {
  QString left;
  QString right;
};
ClubAnimations ClubAnimationsFor(ScoreMode mode, int accountState);

class TFormCount : public QDialog {
  Q_OBJECT

 public:
  // `design` is the auxiliary window design of the options (4 is shown as 2); `salute` the
  // "Salute" option for buttons; `animate` the "Gif-animation" option, which runs the large
  // animation; `accountState` 1..3 picks the lamp beside the account picture (1 until there
  // are accounts).
  TFormCount(const std::array<QString, 7>& figures, const QString& memberName, int design,
             bool salute, bool animate, QWidget* parent, int accountState = 1,
             ScoreMode mode = ScoreMode::kLocal);

  QString Figure(int row) const;  // 0..6
  // RxGIFAn1 (the large one), RxGIFAn2, RxGIFAn3.
  GifPlayer* Animation(int index) const { return animations_[static_cast<std::size_t>(index)]; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<QLabel*, 7> values_{};
  std::array<GifPlayer*, 3> animations_{};
};

}  // namespace klondar::table
