#include "score_window.h"

#include <QLabel>
#include <QPainter>

#include "aux_window_look.h"
#include "cursors.h"
#include "font_roles.h"
#include "skin_button.h"
#include "words.h"

namespace klondar::table {
namespace {

constexpr int kWidth = 325;
constexpr int kCaptionX = 60;
constexpr int kValueX = 196;
constexpr int kRowHeight = 46;

int ClientHeight(int design) {
  switch (ShownDesign(design)) {
    case 1: return 510;
    case 3: return 560;
    default: return 525;
  }
}

QFont SerifFont(int size, bool bold) {
  QFont f("serif");
  f.setPixelSize(FontHeightFor(size, FontRole::kSerif));
  f.setBold(bold);
  return f;
}

}  // namespace

TFormCount::TFormCount(const std::array<QString, 7>& figures, const QString& memberName,
                       int design, QWidget* parent)
    : QDialog(parent), design_(ShownDesign(design)) {
  setObjectName("TFormCount");
  setWindowTitle(Text(Word::kPlayer) + ":  " + memberName.trimmed());
  setModal(true);
  setCursor(ProgramCursor(CursorKind::kArrow));
  setFixedSize(kWidth, ClientHeight(design_));
  const int top = HeaderHeight(design_);

  auto* title = new QLabel(Text(Word::kInformationAboutGame), this);
  title->setObjectName("Label1");
  title->setFont(SerifFont(20, true));
  title->setStyleSheet("color: #8b0000; background: transparent;");
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(0, top + 20, kWidth, 28);

  const Word captions[7] = {Word::kGeneralNumberOfGames, Word::kGamesInCurrentCycle,
                            Word::kTheInitialScore,      Word::kTheCurrentScore,
                            Word::kTheGeneralScore,      Word::kTheInitialRating,
                            Word::kTheCurrentRating};
  for (int row = 0; row < 7; ++row) {
    const int y = top + 52 + row * kRowHeight;
    auto* caption = new QLabel(Text(captions[row]), this);
    caption->setObjectName(QString("Label%1a").arg(row + 1));
    caption->setFont(SerifFont(15, false));
    caption->setStyleSheet("color: #3a2a10; background: transparent;");
    caption->setGeometry(kCaptionX - 36, y, kWidth - 2 * (kCaptionX - 36), 20);
    auto* value = new QLabel(figures[static_cast<std::size_t>(row)], this);
    value->setObjectName(QString("Label%1b").arg(row + 1));
    value->setFont(SerifFont(24, true));
    value->setStyleSheet("color: #102060; background: transparent;");
    value->setGeometry(kValueX - 40, y + 17, 120, 28);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    values_[static_cast<std::size_t>(row)] = value;
  }

  auto* ok = new TVelCardsButton(this);
  ok->setObjectName("Button1");
  ok->setText(Text(Word::kOk));
  ok->SetColorSB(SkinColour::DRed);
  ok->SetFontPixels(FontHeightFor(20, FontRole::kSerif));
  ok->setGeometry(kWidth / 2 - 60, height() - 44, 120, 32);
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString TFormCount::Figure(int row) const { return values_[static_cast<std::size_t>(row)]->text(); }

void TFormCount::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ButtonFace());
  PaintHeader(p, design_, width(), "INFO", 40);
  const int top = HeaderHeight(design_);
  PaintScroll(p, QRect(5, top + 4, kWidth - 10, height() - top - 56));
}

}  // namespace klondar::table
