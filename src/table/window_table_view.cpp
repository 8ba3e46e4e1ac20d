// The table-view operations of TForm1: each changes what the table shows and returns when
// its effect is over.
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <chrono>
#include <thread>

#include "cursors.h"
#include "hand_layout.h"
#include "main_window.h"
#include "skin_button.h"
#include "suit_dialog.h"
#include "table_painter.h"
#include "touch_effect.h"
#include "words.h"

namespace klondar::table {
namespace {

// The number of combination cards the winner lays out, for spreading them evenly.
int CombinationCount(const GameState& s) {
  if (s.declarationWinner == 0) return 0;
  int count = 0;
  for (int e = 1; e <= 3; ++e) {
    const std::uint8_t kind = s.declarations[s.declarationWinner][e].kind;
    count += kind == kFourCardRun ? 4 : kind == kThreeCardRun ? 3 : 0;
  }
  return count;
}

}  // namespace

void TForm1::DropLyingAt(const std::function<bool(const TableSpot&)>& covered) {
  std::erase_if(scene_.lying, [&](const LyingCard& c) { return covered(c.spot); });
}

void TForm1::DrawHand(int player, bool faceUp) {
  if (player < 1 || player > 2) return;
  scene_.shownBefore[player] = scene_.hand[player];
  const QRect area = layout_.hand[player];
  scene_.hand[player] =
      LayoutHand(state_.hand[player], area.left(), area.right() + 1, geometry_.cardWidth);
  scene_.faceUp[player] = faceUp || (player == 1 && options_.openCards);
  DropLyingAt([player](const TableSpot& s) {
    return s.kind == TableSpot::Kind::kHand && s.player == player;
  });
  update();
}

int TForm1::HandCardAt(int player, int x) {
  if (player < 1 || player > 2) return 0;
  return CardUnderX(scene_.hand[player], x);
}

void TForm1::DrawStock(CardCode turnedUp, CardCode freza, int nextCard) {
  scene_.stockDrawn = true;
  scene_.turnedUp = turnedUp;
  scene_.freza = freza;
  scene_.stockLeft = std::max(0, 33 - nextCard);
  DropLyingAt([](const TableSpot& s) {
    return s.kind == TableSpot::Kind::kTurnedUp || s.kind == TableSpot::Kind::kFreza ||
           s.kind == TableSpot::Kind::kStock;
  });
  update();
}

void TForm1::DrawStockInfo() {
  scene_.dealNumber = state_.dealNumber;
  scene_.trumpSuit = state_.taker != 0 ? state_.trumpSuit : kNoSuit;
  update();
}

void TForm1::SetStockHint(const std::string& text) {
  // "Game: 3 / 25": the word before the colon is shown in the current language.
  const std::string::size_type colon = text.find(": ");
  if (colon != std::string::npos && WordFromEnglish(text.substr(0, colon))) {
    scene_.panelHint =
        ShownText(text.substr(0, colon)) + QString::fromStdString(text.substr(colon));
  } else {
    scene_.panelHint = ShownText(text);
  }
}

void TForm1::DrawScoreBoard(int player, TurnMark turnMark, bool repaintBackground,
                            std::int32_t dealValue, std::int32_t totalValue, Star star) {
  if (player < 1 || player > 2) return;
  ApplyScoreCall(scene_.boards[player], turnMark, repaintBackground, dealValue, totalValue, star);
  update();
}

void TForm1::ShowSpeech(int player, const std::string& text, char colour) {
  if (player < 1 || player > 2) return;
  scene_.bubbles[player] = Bubble{ShownText(text), colour};
  update();
}

void TForm1::RepaintTableSlot(TableSpot spot) {
  switch (spot.kind) {
    case TableSpot::Kind::kWholeTable:
      scene_.trick = {kEmptyCard, kEmptyCard, kEmptyCard};
      scene_.combination.fill(kEmptyCard);
      DropLyingAt([](const TableSpot& s) {
        return s.kind == TableSpot::Kind::kTrick || s.kind == TableSpot::Kind::kCombination;
      });
      break;
    case TableSpot::Kind::kTrick:
      if (spot.player >= 1 && spot.player <= 2) scene_.trick[spot.player] = kEmptyCard;
      DropLyingAt([spot](const TableSpot& s) { return s == spot; });
      break;
    case TableSpot::Kind::kCombination:
      if (spot.index >= 1 && spot.index <= 9) scene_.combination[spot.index] = kEmptyCard;
      DropLyingAt([spot](const TableSpot& s) { return s == spot; });
      break;
    default:
      break;
  }
  update();
}

void TForm1::DrawTableCard(TableSpot spot, CardCode card) {
  if (spot.kind == TableSpot::Kind::kTrick && spot.player >= 1 && spot.player <= 2) {
    scene_.trick[spot.player] = card;
  } else if (spot.kind == TableSpot::Kind::kCombination && spot.index >= 1 && spot.index <= 9) {
    scene_.combination[spot.index] = card;
    scene_.combinationCount = CombinationCount(state_);
  } else {
    return;
  }
  DropLyingAt([spot](const TableSpot& s) { return s == spot; });
  update();
}

QPoint TForm1::FlightPoint(TableSpot spot, CardCode card, bool source) const {
  const WindowGeometry& g = geometry_;
  switch (spot.kind) {
    case TableSpot::Kind::kHand: {
      const int p = spot.player == 1 ? 1 : 2;
      const QRect area = layout_.hand[p];
      if (source) {
        // The card leaves the place where the player last saw it.
        for (const HandRow* row : {&scene_.hand[p], &scene_.shownBefore[p]}) {
          if (const int slot = SlotOfCard(*row, card)) return {row->x[slot], area.top()};
        }
      }
      // It arrives where the hand as it now stands will show it.
      const HandRow row = LayoutHand(state_.hand[p], area.left(), area.right() + 1, g.cardWidth);
      const int slot = SlotOfCard(row, card);
      return {slot != 0 ? row.x[slot] : area.center().x() - g.cardWidth / 2, area.top()};
    }
    case TableSpot::Kind::kTrick:
      return TrickCardAt(layout_, g, spot.player == 1 ? 1 : 2);
    case TableSpot::Kind::kCombination:
      return CombinationCardAt(layout_, g, std::clamp(spot.index, 1, 9), CombinationCount(state_));
    case TableSpot::Kind::kStock: {
      const QRect pile = PileRect(layout_, g);
      return {pile.center().x() - g.cardWidth / 2, pile.top()};
    }
    case TableSpot::Kind::kTurnedUp:
      return TurnedUpAt(layout_, g, !scene_.freza.IsEmpty());
    case TableSpot::Kind::kFreza:
      return FrezaAt(layout_, g);
    case TableSpot::Kind::kOffTable:
      return OffTableAt(layout_, g, spot.player == 1 ? 1 : 2);
    case TableSpot::Kind::kWholeTable:
      break;
  }
  return layout_.centre.center() - QPoint(g.cardWidth / 2, g.cardHeight / 2);
}

QImage TForm1::RenderTable(const TableScene& scene) {
  QImage image(size(), QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  const TableLook look{geometry_, layout_, cards_, pictures_, false};
  PaintTable(p, scene, look);
  return image;
}

void TForm1::Present(const QRect& rect) { repaint(rect.intersected(this->rect())); }

void TForm1::Sleep(int milliseconds) { PauseAnimation(milliseconds); }

void TForm1::AnimateCardMove(TableSpot from, TableSpot to, CardCode card, bool eraseAtEnd) {
  if (screen_ != Screen::kTable) return;
  // Cards bought into the computer's hand fly face down.
  const bool faceUp = !(from.kind == TableSpot::Kind::kStock && to.kind == TableSpot::Kind::kHand &&
                        to.player == 1 && !options_.openCards);
  const QPoint start = FlightPoint(from, card, true);
  const QPoint end = FlightPoint(to, card, false);
  const QImage background = RenderTable(SceneUnderFlight(scene_, from, to, card));
  work_ = background;
  overlay_ = true;
  repaint();
  const TableLook look{geometry_, layout_, cards_, pictures_, false};
  const QPixmap& picture = CardPicture(look, card, faceUp);
  SpriteFlight flight(background, work_, picture, *this);
  flight.Run(start, end, options_.flightSpeed, eraseAtEnd, pacer_);
  overlay_ = false;
  if (!eraseAtEnd) scene_.lying.push_back(LyingCard{to, end, card, faceUp});
  update();
}

void TForm1::PlayWaveResource(const std::string& name, bool wait) {
  const int length = sounds_.Play(QString::fromStdString(name), options_.sounds);
  if (wait && length > 0) Pause(length);
}

bool TForm1::SayCardName(CardCode, bool) {
  // The spoken card names come with the voice library, which the program does not have yet.
  return false;
}

void TForm1::PlayTouchEffect() {
  const bool on = input_ == Input::kCard ? options_.saluteCards : options_.saluteButtons;
  if (!on || screen_ != Screen::kTable) return;
  const QRect square = TouchSquare(mapFromGlobal(QCursor::pos()));
  const QImage saved = RenderTable(scene_);
  work_ = saved;
  overlay_ = true;
  RunTouchFrames(work_, saved, square, *this);
  overlay_ = false;
  repaint(square.intersected(rect()));
}

void TForm1::ShowMoveTimer(int player, int seconds) {
  if (player < 1 || player > 2) return;
  scene_.clock[player] = seconds;
  update();
}

void TForm1::SetActionButton(ActionButton which, const std::string& text, bool enabled,
                             bool visible) {
  TVelCardsButton* button = which == ActionButton::kButton7 ? Button7 : Button8;
  button->setText(ShownText(text));
  button->setEnabled(enabled);
  button->setVisible(visible && screen_ == Screen::kTable);
}

void TForm1::SetGameTimer(bool enabled) {
  if (enabled) {
    Timer1->start(20);
  } else {
    Timer1->stop();
  }
}

void TForm1::SetPointer(PointerShape shape) {
  switch (shape) {
    case PointerShape::kPointingHand:
      setCursor(ProgramCursor(CursorKind::kHand));
      break;
    case PointerShape::kHourglass:
      setCursor(ProgramCursor(CursorKind::kWait));
      break;
    case PointerShape::kNormal:
      setCursor(ProgramCursor(CursorKind::kArrow));
      break;
  }
}

void TForm1::ShowThinkingProgress(int percent) {
  scene_.thinkingPercent = percent;
  if (screen_ != Screen::kTable || overlay_) return;
  // Called from inside the computer's search: paint now and keep the window served.
  repaint(layout_.panel);
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm1::Pause(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const qint64 left = milliseconds - clock.elapsed();
    if (left > 0) std::this_thread::sleep_for(std::chrono::milliseconds(std::min<qint64>(left, 5)));
  }
}

std::optional<char> TForm1::AskTrumpSuit(char unavailableSuit) {
  TFormMastKlo dialog(unavailableSuit, this);
  dialog.exec();
  const char choice = dialog.Choice();
  if (!IsSuit(choice)) return std::nullopt;
  return choice;
}

}  // namespace klondar::table
