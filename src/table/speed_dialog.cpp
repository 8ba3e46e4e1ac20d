#include "speed_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "words.h"

namespace klondar::table {

TFormSpeed::TFormSpeed(int speed, QWidget* parent) : QDialog(parent) {
  setObjectName("TFormSpeed");
  setWindowTitle(Text(Word::kChoiceOfSpeed));
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(Text(Word::kSelectFlightSpeed), this);
  prompt->setObjectName("Label1");
  layout->addWidget(prompt);
  TrackBar1 = new QSlider(Qt::Horizontal, this);
  TrackBar1->setObjectName("TrackBar1");
  TrackBar1->setRange(1, 6);
  TrackBar1->setPageStep(1);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setTickInterval(1);
  TrackBar1->setValue(speed);
  TrackBar1->setMinimumWidth(240);
  layout->addWidget(TrackBar1);
  auto* ends = new QHBoxLayout;
  ends->addWidget(new QLabel("1", this));
  ends->addStretch();
  auto* current = new QLabel(QString::number(speed), this);
  current->setObjectName("SpeedValue");
  ends->addWidget(current);
  ends->addStretch();
  ends->addWidget(new QLabel("6", this));
  layout->addLayout(ends);
  connect(TrackBar1, &QSlider::valueChanged, current,
          [current](int value) { current->setNum(value); });
  auto* ok = new QPushButton(Text(Word::kOk), this);
  ok->setObjectName("OkButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

int TFormSpeed::Speed() const { return TrackBar1->value(); }

int AskFlightSpeed(int speed, QWidget* parent) {
  TFormSpeed dialog(speed, parent);
  return dialog.exec() == QDialog::Accepted ? dialog.Speed() : speed;
}

}  // namespace klondar::table
