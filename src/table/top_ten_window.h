// The local "Top Ten": the ten best cycle totals of the club in use, numbered 1. to 10.
#pragma once

#include <QDialog>
#include <array>

#include "storage/club_file.h"

namespace klondar::table {

// "1.", the name and the score of a place 1..10.
QString TopTenLine(int place, const storage::TopTenEntry& entry);

class TFormTopTen : public QDialog {
  Q_OBJECT

 public:
  // `network`: the club of network games, else the club of games against the computer.
  TFormTopTen(const std::array<storage::TopTenEntry, storage::kTopTenPlaces>& entries,
              bool network, int design, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int design_;
};

}  // namespace klondar::table
