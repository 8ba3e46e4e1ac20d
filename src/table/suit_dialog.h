// TFormMastKlo: the modal trump dialog of bidding stage 2. Four suit buttons (the
// turned-up suit disabled) and "Pass"; it closes only through one of them.
#pragma once

#include <QDialog>
#include <array>

#include "engine/card.h"

namespace klondar::table {

class TVelCardsButton;

class TFormMastKlo : public QDialog {
  Q_OBJECT

 public:
  TFormMastKlo(char unavailableSuit, QWidget* parent);
  // The chosen suit, or kNoSuit after "Pass".
  char Choice() const { return choice_; }
  TVelCardsButton* SuitButton(int suitIndex) const { return suits_[suitIndex]; }
  TVelCardsButton* PassButton() const { return pass_; }

 protected:
  void reject() override {}  // Escape and the close box do nothing
  void closeEvent(QCloseEvent* event) override;

 private:
  std::array<TVelCardsButton*, 5> suits_{};
  TVelCardsButton* pass_ = nullptr;
  char choice_ = kNoSuit;
};

}  // namespace klondar::table
