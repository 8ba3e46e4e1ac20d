// TFormCount, "General score": the seven figures of the player's standing in the game in
// progress, worked out by the caller; the window only shows them.
#pragma once

#include <QDialog>
#include <array>

class QLabel;

namespace klondar::table {

class TVelCardsButton;

class TFormCount : public QDialog {
  Q_OBJECT

 public:
  // `design` is the auxiliary window design of the options (4 is shown as 2).
  TFormCount(const std::array<QString, 7>& figures, const QString& memberName, int design,
             QWidget* parent);

  QString Figure(int row) const;  // 0..6

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int design_;
  std::array<QLabel*, 7> values_{};
};

}  // namespace klondar::table
