#include "suit_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>

#include "cursors.h"
#include "fonts.h"
#include "pictures.h"
#include "skin_button.h"
#include "words.h"

namespace klondar::table {

TFormMastKlo::TFormMastKlo(char unavailableSuit, QWidget* parent) : QDialog(parent) {
  setObjectName("TFormMastKlo");
  setWindowTitle(Text(Word::kChoiceTrump));
  setModal(true);
  setCursor(ProgramCursor(CursorKind::kArrow));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setStyleSheet("QDialog { background: #1e4c36; } QLabel { color: #fff0c8; }");
  auto* grid = new QGridLayout(this);
  auto* prompt = new QLabel(Text(Word::kSelectTrump), this);
  prompt->setFont(TableFont(18));
  prompt->setAlignment(Qt::AlignCenter);
  grid->addWidget(prompt, 0, 0, 1, 4);
  static const char* const kSymbols[] = {"", "CHERB", "BUBIB", "KRESB", "PIKIB"};
  for (int suit = 1; suit <= 4; ++suit) {
    auto* button = new TVelCardsButton(this);
    button->setObjectName(QString("SuitButton%1").arg(suit));
    button->SetColorSB(SkinColour::DCards);
    button->SetHeightSB(SkinHeight::D60);
    button->setIcon(QIcon(Picture(kSymbols[suit])));
    button->setIconSize(QSize(36, 36));
    button->setFixedSize(72, 60);
    button->setAutoDefault(false);
    button->setEnabled(kSuits[suit] != unavailableSuit);
    const char suitChar = kSuits[suit];
    connect(button, &QPushButton::clicked, this, [this, suitChar] {
      choice_ = suitChar;
      accept();
    });
    suits_[suit] = button;
    grid->addWidget(button, 1, suit - 1);
  }
  pass_ = new TVelCardsButton(this);
  pass_->setObjectName("PassButton");
  pass_->setText(Text(Word::kPass));
  pass_->SetColorSB(SkinColour::DGreen);
  pass_->setFixedHeight(34);
  pass_->setAutoDefault(false);
  pass_->SetFontPixels(16);
  connect(pass_, &QPushButton::clicked, this, [this] {
    choice_ = kNoSuit;
    accept();
  });
  grid->addWidget(pass_, 2, 0, 1, 4);
}

void TFormMastKlo::closeEvent(QCloseEvent* event) {
  if (result() != QDialog::Accepted) event->ignore();
}

}  // namespace klondar::table
