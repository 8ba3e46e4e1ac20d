#include "top_ten_window.h"

#include <QLabel>
#include <QPainter>

#include "aux_window_look.h"
#include "cursors.h"
#include "font_roles.h"
#include "skin_button.h"
#include "words.h"

namespace klondar::table {
namespace {

constexpr int kWidth = 420;

QFont SerifFont(int size, bool bold) {
  QFont f("serif");
  f.setPixelSize(FontHeightFor(size, FontRole::kSerif));
  f.setBold(bold);
  return f;
}

}  // namespace

QString TopTenLine(int place, const storage::TopTenEntry& entry) {
  return (QString::number(place) + ".").leftJustified(4, ' ') +
         QString::fromStdString(entry.name).trimmed().leftJustified(21, ' ') +
         QString::number(entry.score).rightJustified(6, ' ');
}

TFormTopTen::TFormTopTen(const std::array<storage::TopTenEntry, storage::kTopTenPlaces>& entries,
                         bool network, int design, QWidget* parent)
    : QDialog(parent), design_(ShownDesign(design)) {
  setObjectName("TFormTopTen");
  setWindowTitle(Text(Word::kTopTen));
  setModal(true);
  setCursor(ProgramCursor(CursorKind::kArrow));
  const int top = HeaderHeight(design_);
  setFixedSize(kWidth, top + 470);

  auto* title = new QLabel(Text(network ? Word::kNetGames : Word::kLocalGamesWithPc), this);
  title->setObjectName("TitleLabel");
  title->setFont(SerifFont(16, true));
  title->setStyleSheet("color: #8b0000; background: transparent;");
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(0, top + 26, kWidth, 26);
  QFont fixed("monospace");
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setPixelSize(FontHeightFor(17, FontRole::kFixed));
  fixed.setBold(true);
  for (int place = 1; place <= storage::kTopTenPlaces; ++place) {
    auto* line = new QLabel(TopTenLine(place, entries[static_cast<std::size_t>(place - 1)]), this);
    line->setObjectName(QString("Place%1").arg(place));
    line->setFont(fixed);
    line->setStyleSheet(place == 1 ? "color: #6a0080; background: transparent;"
                                   : "color: #102060; background: transparent;");
    line->setAlignment(Qt::AlignCenter);
    line->setGeometry(0, top + 62 + (place - 1) * 32, kWidth, 30);
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

void TFormTopTen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ButtonFace());
  PaintHeader(p, design_, width(), "TOP 10", 40);
  const int top = HeaderHeight(design_);
  PaintScroll(p, QRect(5, top + 4, kWidth - 10, height() - top - 56));
}

}  // namespace klondar::table
