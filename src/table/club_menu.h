// The menu's club list: the member buttons Button1..Button5 in view 1 (name, games, score)
// or view 2 (name, rating), "###" for an empty place, with "Mode" switching the views, "Top
// Ten" for the club's top ten and "History" for the games played.
#pragma once

#include <QObject>
#include <QRect>
#include <array>
#include <optional>

#include "storage/club_file.h"
#include "window_geometry.h"

class QWidget;

namespace klondar::table {

class TVelCardsButton;

// The caption of a member button.
QString MemberButtonText(const std::optional<storage::ClubMember>& member, int view);

struct ClubMenuLayout {
  std::array<QRect, storage::kClubPlaces> members;
  QRect mode;
  QRect topTen;
  QRect history;
};

ClubMenuLayout LayoutClubMenu(const WindowGeometry& g);

class ClubMenu : public QObject {
  Q_OBJECT

 public:
  // The buttons are children of the main window.
  explicit ClubMenu(QWidget* window);

  void Place(const WindowGeometry& g);
  // Shows the buttons with the club's members, or hides them all.
  void Show(const std::optional<storage::ClubFile>& club);
  void Hide();
  int View() const { return view_; }
  void SetView(int view) { view_ = view == 2 ? 2 : 1; }

 signals:
  void MemberChosen(int place);
  void ModeClicked();
  void TopTenClicked();
  void HistoryClicked();

 private:
  std::array<TVelCardsButton*, storage::kClubPlaces> members_{};
  TVelCardsButton* BMode = nullptr;
  TVelCardsButton* Button9 = nullptr;
  TVelCardsButton* BHistory = nullptr;
  int view_ = 1;
};

}  // namespace klondar::table
