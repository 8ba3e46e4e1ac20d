#include "club_menu.h"

#include <QWidget>

#include "score_figures.h"
#include "skin_button.h"
#include "words.h"

namespace klondar::table {

QString MemberButtonText(const std::optional<storage::ClubMember>& member, int view) {
  if (!member) return "###";
  const QString name = QString::fromStdString(member->name).trimmed();
  if (view == 2) return name + "   " + RatingText(member->rating).trimmed();
  return name + "   " + QString::number(member->games) + "   " + QString::number(member->runningTotal);
}

ClubMenuLayout LayoutClubMenu(const WindowGeometry& g) {
  ClubMenuLayout m;
  // The members on the left above the left picture, their buttons on the right; the
  // column between them holds "New Player", "Options" and "Exit".
  for (int i = 0; i < storage::kClubPlaces; ++i) {
    m.members[static_cast<std::size_t>(i)] = g.Place({20, 112 + 35 * i, 250, 32});
  }
  m.topTen = g.Place({520, 112, 200, 32});
  m.mode = g.Place({520, 147, 200, 32});
  m.history = g.Place({520, 182, 200, 32});
  return m;
}

ClubMenu::ClubMenu(QWidget* window) : QObject(window) {
  const auto button = [window](const QString& name, SkinColour colour) {
    auto* b = new TVelCardsButton(window);
    b->setObjectName(name);
    b->SetColorSB(colour);
    b->hide();
    return b;
  };
  for (int i = 0; i < storage::kClubPlaces; ++i) {
    TVelCardsButton* b = button(QString("Button%1").arg(i + 1), SkinColour::DBlue);
    members_[static_cast<std::size_t>(i)] = b;
    connect(b, &QPushButton::clicked, this, [this, i] { emit MemberChosen(i + 1); });
  }
  BMode = button("BMode", SkinColour::DViolet);
  connect(BMode, &QPushButton::clicked, this, &ClubMenu::ModeClicked);
  Button9 = button("Button9", SkinColour::DOrang);
  connect(Button9, &QPushButton::clicked, this, &ClubMenu::TopTenClicked);
  BHistory = button("BHistory", SkinColour::DYellow);
  connect(BHistory, &QPushButton::clicked, this, &ClubMenu::HistoryClicked);
}

void ClubMenu::Place(const WindowGeometry& g) {
  const ClubMenuLayout layout = LayoutClubMenu(g);
  const int fontPixels = g.Scaled(15);
  const SkinHeight height = g.s >= 1.7 ? SkinHeight::D60 : g.s >= 1.3 ? SkinHeight::D45 : SkinHeight::D30;
  for (int i = 0; i < storage::kClubPlaces; ++i) {
    TVelCardsButton* b = members_[static_cast<std::size_t>(i)];
    b->setGeometry(layout.members[static_cast<std::size_t>(i)]);
    b->SetFontPixels(fontPixels);
    b->SetHeightSB(height);
  }
  for (auto [b, rect] : {std::pair{BMode, layout.mode}, std::pair{Button9, layout.topTen},
                         std::pair{BHistory, layout.history}}) {
    b->setGeometry(rect);
    b->SetFontPixels(fontPixels);
    b->SetHeightSB(height);
  }
}

void ClubMenu::Show(const std::optional<storage::ClubFile>& club) {
  for (int i = 0; i < storage::kClubPlaces; ++i) {
    TVelCardsButton* b = members_[static_cast<std::size_t>(i)];
    const std::optional<storage::ClubMember> member =
        club ? club->members[static_cast<std::size_t>(i)] : std::nullopt;
    b->setText(MemberButtonText(member, view_));
    b->setEnabled(member.has_value());
    b->show();
  }
  BMode->setText(Text(Word::kMode));
  Button9->setText(Text(Word::kTopTen));
  BHistory->setText(Text(Word::kHistory));
  BMode->show();
  Button9->show();
  BHistory->show();
}

void ClubMenu::Hide() {
  for (TVelCardsButton* b : members_) b->hide();
  BMode->hide();
  Button9->hide();
  BHistory->hide();
}

}  // namespace klondar::table
