// TFHistory, "History of games": the list of intact history files and, in a grid, the
// records of the one chosen.
#pragma once

#include <QDialog>
#include <QStringList>
#include <filesystem>
#include <vector>

#include "storage/history_file.h"

class QListWidget;
class QTableWidget;

namespace klondar::table {

struct HistoryListing {
  int number = 0;
  QString caption;  // "File I0001 11.12.2026"
  std::vector<storage::HistoryRow> rows;
};

// From file 1 on, while the files are intact: listing stops at the first missing or damaged
// one, as an edited file must not be shown as the player's history.
std::vector<HistoryListing> ListHistoryFiles(const std::filesystem::path& programFolder);
// The seven cells of a grid row.
QStringList HistoryCells(const storage::HistoryRow& row);

class TFHistory : public QDialog {
  Q_OBJECT

 public:
  TFHistory(const std::filesystem::path& programFolder, int design, QWidget* parent);

  QListWidget* Files() const { return ListBox1; }
  QTableWidget* Grid() const { return SG; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ShowFile(int index);

  int design_;
  std::vector<HistoryListing> files_;
  QListWidget* ListBox1 = nullptr;
  QTableWidget* SG = nullptr;
};

}  // namespace klondar::table
