#include "history_window.h"

#include <QDateTime>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>
#include <chrono>

#include "aux_window_look.h"
#include "cursors.h"
#include "font_roles.h"
#include "skin_button.h"
#include "words.h"

namespace klondar::table {
namespace {

constexpr int kWidth = 770;
constexpr int kHeight = 530;
constexpr int kColumnWidths[7] = {45, 65, 210, 45, 55, 55, 80};

QString FileDate(std::filesystem::file_time_type modified) {
  const auto system = std::chrono::file_clock::to_sys(modified);
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch());
  return QDateTime::fromSecsSinceEpoch(seconds.count()).toString("dd.MM.yyyy");
}

Word KindWord(storage::HistoryKind kind) {
  switch (kind) {
    case storage::HistoryKind::kNetwork: return Word::kKindNet;
    case storage::HistoryKind::kAccount: return Word::kKindAccount;
    case storage::HistoryKind::kTournament: return Word::kKindTourney;
    case storage::HistoryKind::kLocal: break;
  }
  return Word::kKindLocal;
}

}  // namespace

std::vector<HistoryListing> ListHistoryFiles(const std::filesystem::path& programFolder) {
  std::vector<HistoryListing> files;
  for (int number = 1; number <= storage::kHistoryLastFileNumber; ++number) {
    storage::HistoryCheck check =
        storage::CheckHistoryFile(storage::HistoryFilePath(programFolder, number));
    if (!check.valid) break;
    files.push_back({number,
                     Text(Word::kHistoryFile) + " I" + QString::number(number).rightJustified(4, '0') +
                         " " + FileDate(check.modified),
                     std::move(check.rows)});
  }
  return files;
}

QStringList HistoryCells(const storage::HistoryRow& row) {
  return {QString::fromStdString(row.time),   QString::fromStdString(row.date),
          QString::fromStdString(row.name),   QString::fromStdString(row.games),
          QString::fromStdString(row.result), QString::fromStdString(row.rating),
          Text(KindWord(row.kind))};
}

TFHistory::TFHistory(const std::filesystem::path& programFolder, int design, QWidget* parent)
    : QDialog(parent), design_(ShownDesign(design)), files_(ListHistoryFiles(programFolder)) {
  setObjectName("TFHistory");
  setWindowTitle(Text(Word::kHistoryOfGames));
  setModal(true);
  setCursor(ProgramCursor(CursorKind::kArrow));
  setFixedSize(kWidth, kHeight);
  const int top = HeaderHeight(design_) + 10;
  const int listWidth = files_.size() <= 16 ? 180 : 193;
  const QString sheet =
      "background: #fbf5e4; color: #1b1b40; selection-background-color: #8b0000;"
      " selection-color: white;";

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setStyleSheet("QListWidget {" + sheet + "}");
  ListBox1->setGeometry(10, top, listWidth, kHeight - top - 56);
  if (files_.empty()) {
    ListBox1->addItem(Text(Word::kNoHistoryFiles));
  } else {
    for (const HistoryListing& file : files_) ListBox1->addItem(file.caption);
  }

  SG = new QTableWidget(0, 7, this);
  SG->setObjectName("SG");
  SG->setStyleSheet("QTableWidget {" + sheet + " gridline-color: #c9b27a; }");
  SG->setGeometry(20 + listWidth, top, kWidth - 30 - listWidth, kHeight - top - 56);
  SG->setHorizontalHeaderLabels({Text(Word::kTime), Text(Word::kDate), Text(Word::kHistoryPlayer),
                                 Text(Word::kGames), Text(Word::kResult), Text(Word::kRating),
                                 Text(Word::kType)});
  for (int c = 0; c < 7; ++c) SG->setColumnWidth(c, kColumnWidths[c]);
  SG->verticalHeader()->hide();
  SG->verticalHeader()->setDefaultSectionSize(20);
  SG->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SG->setSelectionBehavior(QAbstractItemView::SelectRows);

  connect(ListBox1, &QListWidget::currentRowChanged, this, &TFHistory::ShowFile);
  if (!files_.empty()) ListBox1->setCurrentRow(static_cast<int>(files_.size()) - 1);

  auto* ok = new TVelCardsButton(this);
  ok->setObjectName("Button1");
  ok->setText(Text(Word::kOk));
  ok->SetColorSB(SkinColour::DRed);
  ok->SetFontPixels(FontHeightFor(20, FontRole::kSerif));
  ok->setGeometry(kWidth / 2 - 60, kHeight - 44, 120, 32);
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TFHistory::ShowFile(int index) {
  SG->setRowCount(0);
  if (index < 0 || index >= static_cast<int>(files_.size())) return;
  const std::vector<storage::HistoryRow>& rows = files_[static_cast<std::size_t>(index)].rows;
  SG->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const QStringList cells = HistoryCells(rows[static_cast<std::size_t>(r)]);
    for (int c = 0; c < 7; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c == 3 || c == 4 || c == 5) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      SG->setItem(r, c, item);
    }
  }
  // The time and the date take what their text needs (the system's date may be wider than
  // its column); the player's column gives up the difference.
  int extra = 0;
  for (const int c : {0, 1}) {
    SG->resizeColumnToContents(c);
    if (SG->columnWidth(c) < kColumnWidths[c]) SG->setColumnWidth(c, kColumnWidths[c]);
    extra += SG->columnWidth(c) - kColumnWidths[c];
  }
  SG->setColumnWidth(2, std::max(120, kColumnWidths[2] - extra));
  SG->scrollToBottom();
}

void TFHistory::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ButtonFace());
  PaintHeader(p, design_, kWidth, Text(Word::kHistoryOfGames).toUpper(), 36);
}

}  // namespace klondar::table
