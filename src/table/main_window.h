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
#include "engine/engine.h"
#include "engine/game_flow.h"
#include "opponent/computer_opponent.h"
#include "pictures.h"
#include "sounds.h"
#include "sprite_flight.h"
#include "table_layout.h"
#include "table_options.h"
#include "table_scene.h"
#include "window_geometry.h"

class QMenu;
class QAction;
class QTimer;

namespace klondar::table {

class TVelCardsButton;

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

  // TableView.
  void DrawHand(int player, bool faceUp) override;
  int HandCardAt(int player, int x) override;
  void DrawStock(CardCode turnedUp, CardCode freza, int nextCard) override;
  void DrawStockInfo() override;
  void SetStockHint(const std::string& text) override;
  void DrawScoreBoard(int player, TurnMark turnMark, bool repaintBackground,
                      std::int32_t dealValue, std::int32_t totalValue, Star star) override;
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
  void HideTableControls();
  void ApplyWindowSize();
  void NewPlayer();
  void StartGame(const QString& playerName);
  void ExitToMenu();
  void OnTimer1();
  // Runs one engine step to its end; input that arrives meanwhile waits, and a close
  // request waits for the step.
  void Step(Input input, const std::function<void()>& step);
  bool AskYesNo(const QString& question);
  std::optional<TableSpot> CardSpotAt(QPoint at) const;

  // Positions of table places for flights.
  QPoint FlightPoint(TableSpot spot, CardCode card, bool source) const;
  void DropLyingAt(const std::function<bool(const TableSpot&)>& covered);
  QImage RenderTable();
  // FlightScreen.
  void Present(const QRect& rect) override;
  void Sleep(int milliseconds) override;

  TableOptions options_;
  WindowGeometry geometry_;
  TableLayout layout_;
  CardPictures cards_;
  ScaledPictures pictures_;
  TableScene scene_;
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
  TVelCardsButton* Button7 = nullptr;
  TVelCardsButton* Button8 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* exitToMenu_ = nullptr;

  bool busy_ = false;
  bool closePending_ = false;
  bool closeConfirmed_ = false;
  Input input_ = Input::kOther;
  // While a card flies or the touch effect plays, the window shows this picture.
  bool overlay_ = false;
  QImage work_;
  QString lastName_;
};

}  // namespace klondar::table
