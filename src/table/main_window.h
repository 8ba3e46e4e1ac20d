// TForm1: the one main window. It shows the splash, the menu screen and the card table,
// turns the player's clicks, keys and the 20 ms Timer1 into game-flow inputs, and
// implements the table view through which the engine draws, flies cards and sounds.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "card_pictures.h"
#include "club_desk.h"
#include "engine/engine.h"
#include "engine/game_flow.h"
#include "menu_painter.h"
#include "opponent/computer_opponent.h"
#include "pictures.h"
#include "sounds.h"
#include "sprite_flight.h"
#include "storage/settings.h"
#include "table_layout.h"
#include "table_options.h"
#include "table_scene.h"
#include "window_geometry.h"

class QMenu;
class QAction;
class QTimer;

namespace klondar::table {

class TVelCardsButton;
class ClubMenu;
class GifPlayer;

enum class Screen { kSplash, kMenu, kTable };

class TForm1 : public QWidget, public TableView, private FlightScreen {
  Q_OBJECT

 public:
  // programFolder receives the diagnostic dump; a seed makes the deals repeatable.
  TForm1(const TableOptions& options, std::filesystem::path programFolder,
         std::optional<std::uint64_t> seed = std::nullopt);
  ~TForm1() override;

  // What the table shows, for tests that look at it as a player would.
  Screen CurrentScreen() const { return screen_; }
  const TableScene& Scene() const { return scene_; }
  const TableLayout& Layout() const { return layout_; }
  const WindowGeometry& Geometry() const { return geometry_; }
  const GameState& State() const { return state_; }
  bool StepRunning() const { return busy_; }
  // Takes the settings read at start-up: the options window changes them in memory, and
  // they are written to the program folder when the window closes.
  void UseSettings(const storage::Settings& settings);
  // A damaged records file was found at start-up: this run writes no settings.
  void KeepSettingsUnwritten() { saveSettings_ = false; }
  const storage::Settings& CurrentSettings() const { return settings_; }
  // The clubs checked at start-up; without them the menu shows no members and games are not
  // recorded. A club not writable is read but never written during this run.
  void UseClub(bool localWritable, bool networkWritable);
  const MenuLayout& Menu() const { return menuLayout_; }
  const MenuLook& MenuShows() const { return menuLook_; }
  // A card is flying or the touch effect plays: the window shows the flight's picture.
  bool ShowingFlight() const { return overlay_; }

  // TableView.
  void DrawHand(int player, bool faceUp) override;
  int HandCardAt(int player, int x) override;
  void DrawStock(CardCode turnedUp, CardCode freza, int nextCard) override;
  void DrawStockInfo() override;
  void SetStockHint(const std::string& text) override;
  void DrawScoreBoard(int player, TurnMark turnMark, bool repaintBackground, std::int32_t dealValue,
                      std::int32_t totalValue, Star star) override;
  void ShowSpeech(int player, const std::string& text, char colour) override;
  void RepaintTableSlot(TableSpot spot) override;
  void DrawTableCard(TableSpot spot, CardCode card) override;
  void AnimateCardMove(TableSpot from, TableSpot to, CardCode card, bool eraseAtEnd) override;
  void PlayWaveResource(const std::string& name, bool wait) override;
  bool SayCardName(CardCode card, bool wait) override;
  void PlayTouchEffect() override;
  void ShowMoveTimer(int player, int seconds) override;
  void SetActionButton(ActionButton which, const std::string& text, bool enabled,
                       bool visible) override;
  void SetGameTimer(bool enabled) override;
  void SetPointer(PointerShape shape) override;
  void ShowThinkingProgress(int percent) override;
  void Pause(int milliseconds) override;
  std::optional<char> AskTrumpSuit(char unavailableSuit) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  enum class Input { kButton, kCard, kOther };

  void CreateControls();
  void LeaveSplash();
  void ShowMenuScreen();
  // Timer1 on the menu: the time of day at every tick, the information panel once a minute.
  void RefreshMenu();
  void HideTableControls();
  // RxGIFAn1 and RxGIFAn2 run with "Gif-animation" on and stand on their first frame with
  // it off.
  void ShowMenuAnimations();
  void ApplyWindowSize();
  void NewPlayer();
  void StartGame(const QString& playerName);
  void ExitToMenu();
  void OpenOptions();
  // The popup item "Speed": the speed dialog without the options window.
  void ChooseSpeed();
  // The options window changed a setting the window shows.
  void TakePresentationOptions();
  void ChangeWindowSize();
  // Writes the settings file; on failure says "Can`t save options!".
  void SaveSettingsAtClose();
  void OnTimer1();
  // The club side of the window (main_window_club.cpp).
  void CreateClubControls();
  void ShowClubList();
  void ChooseMember(int place);
  // The table for the member just seated.
  void StartSeated();
  void SwitchClubView();
  void OpenTopTen();
  void OpenHistory();
  void ShowGeneralScore();
  void ChangeName();
  // An abandoned game: the member's record goes, as the player was warned.
  void DropSeatedMember();
  // Leaving a finished game: stores its result everywhere and returns to the menu.
  void RecordGameEnd(std::int32_t result);
  // Runs one engine step to its end; input that arrives meanwhile waits, and a close
  // request waits for the step.
  void Step(Input input, const std::function<void()>& step);
  bool AskYesNo(const QString& question);
  std::optional<TableSpot> CardSpotAt(QPoint at) const;

  // Positions of table places for flights.
  QPoint FlightPoint(TableSpot spot, CardCode card, bool source) const;
  void DropLyingAt(const std::function<bool(const TableSpot&)>& covered);
  QImage RenderTable(const TableScene& scene);
  // FlightScreen.
  void Present(const QRect& rect) override;
  void Sleep(int milliseconds) override;

  TableOptions options_;
  WindowGeometry geometry_;
  TableLayout layout_;
  CardPictures cards_;
  ScaledPictures pictures_;
  TableScene scene_;
  MenuLayout menuLayout_;
  MenuLook menuLook_;
  int infoPanelMinute_ = -1;
  Sounds sounds_;
  FlightPacer pacer_;

  GameState state_;
  RandomSource random_;
  ComputerOpponent computer_;
  Engine engine_;
  GameFlow flow_;

  Screen screen_ = Screen::kSplash;
  QTimer* Timer1 = nullptr;
  TVelCardsButton* Button6 = nullptr;   // "New Player"
  TVelCardsButton* Button11 = nullptr;  // "Exit"
  TVelCardsButton* Button10 = nullptr;  // "Options"
  TVelCardsButton* Button7 = nullptr;
  TVelCardsButton* Button8 = nullptr;
  GifPlayer* RxGIFAn1 = nullptr;  // "GifMenu1"
  GifPlayer* RxGIFAn2 = nullptr;  // "GifMenu2"
  QMenu* PopupMenu1 = nullptr;
  QAction* exitToMenu_ = nullptr;
  QAction* generalScore_ = nullptr;
  QAction* changeName_ = nullptr;
  ClubMenu* clubMenu_ = nullptr;
  std::optional<ClubDesk> club_;

  bool busy_ = false;
  bool closePending_ = false;
  bool closeConfirmed_ = false;
  Input input_ = Input::kOther;
  // While a card flies or the touch effect plays, the window shows this picture.
  bool overlay_ = false;
  QImage work_;
  QString lastName_;
  std::filesystem::path programFolder_;
  storage::Settings settings_;
  bool saveSettings_ = false;
};

}  // namespace klondar::table
