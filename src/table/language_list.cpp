#include "language_list.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>
#include <cmath>

#include "storage/settings.h"
#include "words.h"

namespace klondar::table {
namespace {

constexpr int kFlagWidth = 14;
constexpr int kFlagHeight = 12;

void Stripes(QPainter& p, const std::initializer_list<QColor>& colours, bool vertical) {
  const int n = static_cast<int>(colours.size());
  int i = 0;
  for (const QColor& c : colours) {
    if (vertical) {
      const int x0 = kFlagWidth * i / n;
      const int x1 = kFlagWidth * (i + 1) / n;
      p.fillRect(x0, 0, x1 - x0, kFlagHeight, c);
    } else {
      const int y0 = kFlagHeight * i / n;
      const int y1 = kFlagHeight * (i + 1) / n;
      p.fillRect(0, y0, kFlagWidth, y1 - y0, c);
    }
    ++i;
  }
}

QPolygonF Star(QPointF centre, double radius) {
  QPolygonF star;
  for (int k = 0; k < 10; ++k) {
    const double r = k % 2 == 0 ? radius : radius * 0.4;
    const double a = -M_PI / 2 + k * M_PI / 5;
    star << centre + QPointF(r * std::cos(a), r * std::sin(a));
  }
  return star;
}

void DrawFlag(QPainter& p, int language) {
  const QColor red(206, 17, 38);
  const QColor blue(0, 57, 166);
  const QColor white(Qt::white);
  switch (language) {
    case 0: {  // the Union flag, simplified to its crosses
      p.fillRect(0, 0, kFlagWidth, kFlagHeight, QColor(1, 33, 105));
      p.setPen(QPen(white, 3));
      p.drawLine(0, 0, kFlagWidth, kFlagHeight);
      p.drawLine(0, kFlagHeight, kFlagWidth, 0);
      p.setPen(QPen(red, 1));
      p.drawLine(0, 0, kFlagWidth, kFlagHeight);
      p.drawLine(0, kFlagHeight, kFlagWidth, 0);
      p.fillRect(5, 0, 4, kFlagHeight, white);
      p.fillRect(0, 4, kFlagWidth, 4, white);
      p.fillRect(6, 0, 2, kFlagHeight, red);
      p.fillRect(0, 5, kFlagWidth, 2, red);
      break;
    }
    case 1:
      Stripes(p, {white, blue, red}, false);
      break;
    case 2:
      Stripes(p, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false);
      break;
    case 3:
      Stripes(p, {QColor(0, 85, 164), white, QColor(239, 65, 53)}, true);
      break;
    case 4:
      p.fillRect(0, 0, kFlagWidth, kFlagHeight, QColor(170, 21, 27));
      p.fillRect(0, 3, kFlagWidth, 6, QColor(241, 191, 0));
      break;
    case 5:
      p.fillRect(0, 0, kFlagWidth, kFlagHeight, QColor(222, 41, 16));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 222, 0));
      p.drawPolygon(Star({3.5, 3.5}, 2.8));
      break;
    case 6:
      Stripes(p, {QColor(0, 146, 70), white, QColor(206, 43, 55)}, true);
      break;
    case 7: {
      Stripes(p, {white, QColor(215, 20, 26)}, false);
      QPainterPath wedge;
      wedge.moveTo(0, 0);
      wedge.lineTo(7, kFlagHeight / 2.0);
      wedge.lineTo(0, kFlagHeight);
      wedge.closeSubpath();
      p.fillPath(wedge, QColor(17, 69, 126));
      break;
    }
    case 8:
      p.fillRect(0, 0, kFlagWidth, kFlagHeight, white);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(188, 0, 45));
      p.drawEllipse(QPointF(7, 6), 3.5, 3.5);
      break;
    case 9: {
      p.fillRect(0, 0, kFlagWidth, kFlagHeight, white);
      p.setPen(Qt::NoPen);
      const QRectF disc(4, 3, 6, 6);
      p.setBrush(QColor(205, 46, 58));
      p.drawPie(disc, 0, 180 * 16);
      p.setBrush(QColor(0, 71, 160));
      p.drawPie(disc, 180 * 16, 180 * 16);
      // The four trigrams, as short bars in the corners.
      p.setBrush(Qt::black);
      for (const QPointF corner :
           {QPointF(1.5, 1.5), QPointF(11, 1.5), QPointF(1.5, 9), QPointF(11, 9)}) {
        p.drawRect(QRectF(corner, QSizeF(1.5, 1.5)));
      }
      break;
    }
    default:
      break;
  }
}

// Rows drawn owner-style: the flag at (left + 2, top + 2), the name from 20 pixels on.
class FlagDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    p->fillRect(option.rect, selected ? palette.highlight() : palette.base());
    p->drawPixmap(option.rect.left() + 2, option.rect.top() + 2, LanguageFlag(index.row()));
    p->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    p->setFont(option.font);
    const QRect text = option.rect.adjusted(20, 0, -2, 0);
    p->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), kFlagHeight + 4));
    size.setWidth(size.width() + 20);
    return size;
  }
};

}  // namespace

QPixmap LanguageFlag(int language) {
  QPixmap flag(kFlagWidth, kFlagHeight);
  flag.fill(Qt::transparent);
  QPainter p(&flag);
  p.setRenderHint(QPainter::Antialiasing);
  DrawFlag(p, language);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QColor(0, 0, 0, 90));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, kFlagWidth - 1, kFlagHeight - 1);
  return flag;
}

LanguageList::LanguageList(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new FlagDelegate(this));
  for (int language = 0; language < storage::kLanguageCount; ++language) {
    addItem(LanguageName(language));
  }
}

}  // namespace klondar::table
