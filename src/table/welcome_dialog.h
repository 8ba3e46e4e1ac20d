// The "Welcome!" dialog of a new player: name, password and its confirmation. Enter in
// any field acts as "Ok", Escape as "Cancel"; a refused entry shows its message in the
// notice line and puts the focus on the field concerned.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace klondar::table {

class TVelCardsButton;

class TFormWelcome : public QDialog {
  Q_OBJECT

 public:
  // The name field starts with the name given the last time, or "Mr.X".
  TFormWelcome(const QString& lastName, QWidget* parent);
  // The name as typed, trimmed (padded to its stored width only where it is stored).
  QString PlayerName() const;
  QString Password() const;
  // Turns the dialog into a club member's: the name shown and fixed, the confirmation off,
  // the password to be typed checked against the stored one.
  void ForMember(const QString& name, const QString& storedPassword);

 private:
  void TryAccept();

  QLineEdit* name_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* confirmation_ = nullptr;
  QLabel* notice_ = nullptr;
  bool member_ = false;
  QString storedPassword_;
};

}  // namespace klondar::table
