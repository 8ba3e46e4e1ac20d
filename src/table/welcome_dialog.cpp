#include "welcome_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "cursors.h"
#include "fonts.h"
#include "skin_button.h"
#include "welcome_check.h"
#include "words.h"

namespace klondar::table {

TFormWelcome::TFormWelcome(const QString& lastName, QWidget* parent) : QDialog(parent) {
  setObjectName("TFormWelcome");
  setWindowTitle(Text(Word::kWelcome));
  setModal(true);
  setCursor(ProgramCursor(CursorKind::kArrow));
  setStyleSheet(
      "QDialog { background: #1e4c36; } QLabel { color: #fff0c8; }"
      "QLineEdit { background: #fbf7ea; color: #1b1b1b; border: 1px solid #c9b27a;"
      " border-radius: 4px; padding: 3px; lineedit-password-character: 35; }");
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(18, 16, 18, 14);
  grid->setVerticalSpacing(6);
  const auto label = [this](Word word) {
    auto* l = new QLabel(Text(word), this);
    l->setFont(TableFont(15));
    return l;
  };
  const auto field = [this](const char* objectName, int maxLength, bool hidden) {
    auto* e = new QLineEdit(this);
    e->setObjectName(objectName);
    e->setMaxLength(maxLength);
    e->setFont(TableFont(15, false));
    if (hidden) e->setEchoMode(QLineEdit::Password);
    UseEditCursor(e);
    connect(e, &QLineEdit::returnPressed, this, &TFormWelcome::TryAccept);
    return e;
  };
  name_ = field("NameEdit", kNameLength, false);
  password_ = field("PasswordEdit", kPasswordLength, true);
  confirmation_ = field("ConfirmationEdit", kPasswordLength, true);
  const QString shownName = lastName.trimmed();
  name_->setText(shownName.isEmpty() || shownName.size() > kNameLength ? Text(Word::kMrX)
                                                                       : shownName);
  name_->selectAll();

  grid->addWidget(label(Word::kEnterYourName), 0, 0);
  grid->addWidget(name_, 1, 0);
  grid->addWidget(label(Word::kEnterYourPassword), 2, 0);
  grid->addWidget(password_, 3, 0);
  grid->addWidget(label(Word::kOnceAgainForCheck), 4, 0);
  grid->addWidget(confirmation_, 5, 0);
  notice_ = new QLabel(this);
  notice_->setObjectName("NoticeLabel");
  notice_->setFont(TableFont(14));
  notice_->setStyleSheet("color: #ffb0a0;");
  notice_->setMinimumHeight(22);
  grid->addWidget(notice_, 6, 0);

  auto* buttons = new QHBoxLayout;
  auto* ok = new TVelCardsButton(this);
  ok->setObjectName("OkButton");
  ok->setText(Text(Word::kOk));
  auto* cancel = new TVelCardsButton(this);
  cancel->setObjectName("CancelButton");
  cancel->setText(Text(Word::kCancel));
  cancel->SetColorSB(SkinColour::DRed);
  for (auto* b : {ok, cancel}) {
    b->setFixedSize(110, 30);
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  grid->addLayout(buttons, 7, 0);
  connect(ok, &QPushButton::clicked, this, &TFormWelcome::TryAccept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  setFixedWidth(320);
  name_->setFocus();
}

QString TFormWelcome::PlayerName() const { return name_->text().trimmed(); }

QString TFormWelcome::Password() const { return password_->text(); }

void TFormWelcome::ForMember(const QString& name, const QString& storedPassword) {
  member_ = true;
  storedPassword_ = storedPassword;
  name_->setText(name.left(kNameLength).trimmed());
  name_->setEnabled(false);
  confirmation_->clear();
  confirmation_->setEnabled(false);
  password_->clear();
  password_->setFocus();
}

void TFormWelcome::TryAccept() {
  const auto refusal =
      member_ ? CheckMember(name_->text(), password_->text(), storedPassword_)
              : CheckNewPlayer(name_->text(), password_->text(), confirmation_->text());
  if (!refusal) {
    accept();
    return;
  }
  notice_->setText(Text(refusal->message));
  QLineEdit* focus = refusal->field == WelcomeField::kName       ? name_
                     : refusal->field == WelcomeField::kPassword ? password_
                                                                 : confirmation_;
  focus->setFocus();
  focus->selectAll();
}

}  // namespace klondar::table
