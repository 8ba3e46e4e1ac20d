#include "engine.h"
#include "engine_words.h"
#include "hand.h"
#include "runs.h"

namespace klondar {

void Engine::ShowCombinations() {
  GameState& s = state_;
  DisableButton(ActionButton::kButton7);
  for (int p = 1; p <= 2; ++p) {
    s.handSnapshot[p].clear();
    for (int slot = 1; slot <= 9; ++slot) s.handSnapshot[p] += s.hand[p][slot].Bytes();
  }
  for (auto& entries : s.declarations) entries.fill(Declaration{});

  std::array<int, 3> best{};
  std::array<int, 3> entryCount{};
  for (int p = 1; p <= 2; ++p) {
    for (const RunWindow& run : FindRuns(s.hand[p], s.handOrder[p])) {
      Declaration& d = s.declarations[p][++entryCount[p]];
      const CardCode top = s.hand[p][run.topSlot];
      d.kind = run.length == 4 ? kFourCardRun : kThreeCardRun;
      d.strength =
          static_cast<std::uint8_t>(RunStrength(run.length, top.rank, top.suit == s.trumpSuit));
      for (int i = 0; i < run.length; ++i) {
        d.cards[i + 1] = s.hand[p][run.topSlot - run.length + 1 + i];
      }
      if (d.strength > best[p]) best[p] = d.strength;
    }
  }

  if (entryCount[1] == 0 && entryCount[2] == 0) {
    view_.ShowSpeech(1, words::kNoCombinations, kGreen);
    view_.ShowSpeech(2, words::kNoCombinations, kGreen);
    view_.PlayWaveResource(sounds::kPass, true);
    view_.PlayWaveResource(sounds::kPass, true);
    s.declarationWinner = 0;
  } else {
    int winner = s.firstBidder;
    if (best[1] > best[2]) winner = 1;
    if (best[2] > best[1]) winner = 2;
    const int loser = GameState::Other(winner);
    s.declarationWinner = static_cast<std::uint8_t>(winner);

    std::string names;
    for (int e = 1; e <= entryCount[winner]; ++e) {
      if (e > 1) names += " + ";
      names += s.declarations[winner][e].kind == kFourCardRun ? words::kKlondar : words::kTertz;
    }
    view_.ShowSpeech(winner, names, kBlue);
    view_.ShowSpeech(
        loser, entryCount[loser] == 0 ? words::kNoCombinations : words::kWeakCombination, kGreen);
    view_.PlayWaveResource(sounds::kScore, true);

    int place = 0;
    for (int e = 1; e <= entryCount[winner]; ++e) {
      const Declaration& d = s.declarations[winner][e];
      const int length = d.kind == kFourCardRun ? 4 : 3;
      for (int i = 1; i <= length; ++i) {
        const CardCode card = d.cards[i];
        s.tableCards[++place] = card;
        const int slot = HandCardSlot(s.hand[winner], card);
        EmptySlot(s, winner, slot);
        --s.handCount[winner];
        RedrawHand(winner);
        Fly(TableSpot::Hand(winner, slot), TableSpot::Combination(place), card, false);
        view_.DrawTableCard(TableSpot::Combination(place), card);
        CardSound();
      }
    }
    s.tableCount = static_cast<std::uint8_t>(place);

    for (int e = 1; e <= entryCount[winner]; ++e) {
      s.dealPoints[winner] += s.declarations[winner][e].kind == kFourCardRun ? 50 : 20;
    }
    DrawScores(winner, TurnMark::kKeep, Star::kKeep);
    if (winner == 2) {
      for (int i = 1; i <= 9; ++i) s.exposedCards[i] = s.tableCards[i];
    }
    opponent_.NoteShownCards(s, winner);
  }

  s.phase = phase::kCombinationsShown;
  SetButton(ActionButton::kButton7, words::kOk, Paces());
  SetButton(ActionButton::kButton8, words::kPass, false);
  DuelPause(2500);
}

void Engine::ReturnShownCards() {
  GameState& s = state_;
  const int winner = s.declarationWinner;
  if (winner == 0 || s.tableCount < 1) return;
  for (int k = s.tableCount; k >= 1; --k) {
    view_.RepaintTableSlot(TableSpot::Combination(k));
    const CardCode card = s.tableCards[k];
    PutCardPlain(s, winner, s.handCount[winner] + 1, card);
    ++s.handCount[winner];
    SortHand(s, winner);
    Fly(TableSpot::Combination(k), TableSpot::Hand(winner, HandCardSlot(s.hand[winner], card)),
        card, true);
    view_.DrawHand(winner, winner == 2);
    CardSound();
  }
}

}  // namespace klondar
