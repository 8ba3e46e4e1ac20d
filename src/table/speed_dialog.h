// The "Choice of speed" dialog: a track bar 1..6 for the card flight speed.
#pragma once

#include <QDialog>

class QSlider;

namespace klondar::table {

class TFormSpeed : public QDialog {
  Q_OBJECT

 public:
  TFormSpeed(int speed, QWidget* parent = nullptr);
  int Speed() const;

 private:
  QSlider* TrackBar1 = nullptr;
};

// Shows the dialog; the chosen speed, or `speed` unchanged when it is closed otherwise.
int AskFlightSpeed(int speed, QWidget* parent);

}  // namespace klondar::table
