// The options' language list: the ten languages in their fixed order, each row a small
// flag and the language's own name.
#pragma once

#include <QListWidget>
#include <QPixmap>

namespace klondar::table {

// The 14 x 12 flag of a language 0..9, drawn by our code.
QPixmap LanguageFlag(int language);

class LanguageList : public QListWidget {
  Q_OBJECT

 public:
  explicit LanguageList(QWidget* parent = nullptr);
};

}  // namespace klondar::table
